// vasterel-cli evaluate, values, compare, overbids: the window's commands, run through a front end that takes
// its answers from the arguments and writes the report area to standard output.

#include "cli/Commands.h"

#include "evaluation/FonctionsOrlune.h"
#include "hand/Pbn.h"
#include "runs/Commandes.h"
#include "runs/FichiersDonnees.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iostream>
#include <memory>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

namespace vasterel::cli {

namespace {

std::atomic<bool> interrompu{false};

extern "C" void SurInterruption(int) {
    interrompu = true;
}

std::string SansBlancsInitiaux(const std::string &t) {
    const size_t i = t.find_first_not_of(' ');
    return i == std::string::npos ? t : t.substr(i);
}

std::string Duree(double secondes) {
    const long s = static_cast<long>(secondes + 0.5);
    if (s >= 3600) return std::to_string(s / 3600) + " h " + std::to_string(s % 3600 / 60) + " min";
    if (s >= 60) return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
    return std::to_string(s) + " s";
}

class FrontEndLigneDeCommande : public FrontEnd {
  public:
    FrontEndLigneDeCommande(std::string commande, std::deque<std::string> reponses, bool confirme)
        : commande_(std::move(commande)), reponses_(std::move(reponses)), confirme_(confirme) {}

    std::string Prompt(const std::string &, const std::string &, const std::string &defaut) override {
        if (reponses_.empty()) return defaut;
        std::string r = reponses_.front();
        reponses_.pop_front();
        return r;
    }
    // Every message of the commands reports something that did not happen as asked; those of the start-up
    // are kept until the command knows whether it needs what they are about.
    void Message(const std::string &text) override {
        if (demarrage_)
            avertissements_.push_back(text);
        else
            throw UsageError(commande_ + ": " + SansBlancsInitiaux(text));
    }
    void EnDemarrage(bool oui) { demarrage_ = oui; }
    // A file of the data directory that the command needs and that did not read stops it, with the
    // start-up message about that file.
    void ExigeLisible(const char *nom) const {
        if (!FichierIllisible(nom)) return;
        for (const std::string &a : avertissements_)
            if (a.find(nom) != std::string::npos) throw UsageError(commande_ + ": " + a);
        throw UsageError(commande_ + ": " + nom + " did not read");
    }
    void Avertit() const {
        for (const std::string &a : avertissements_)
            std::cerr << "vasterel-cli: " << commande_ << ": " << a << '\n';
    }
    bool Confirm(const std::string &, const std::string &) override { return confirme_; }
    void ShowReportArea(int) override { ClearReport(); }
    void ClearReport() override {
        zone_.clear();
        debutFinal_ = 0;
    }
    void AppendLine(const std::string &line) override { zone_.push_back(line); }
    void ScrollReportToTop() override {}
    void Repaint() override {}

    void Progress(long done, long total) override {
        // The progress report of the run stays above the final report in the area; only the final one goes
        // out.
        debutFinal_ = zone_.size();
        // A bar on a terminal, else a line at each progress report and at the end.
        if (!terminal_ && done != 2 && done % 20 != 0 && done != total) return;
        const std::string reste =
            Duree(Secondes() / static_cast<double>(done) * static_cast<double>(total - done));
        if (terminal_) {
            constexpr int largeur = 30;
            const int plein = static_cast<int>(largeur * done / total);
            std::cerr << "\r[" << std::string(static_cast<size_t>(plein), '#')
                      << std::string(static_cast<size_t>(largeur - plein), ' ') << "] " << done << "/"
                      << total << " deals, " << reste << " left  " << std::flush;
            if (done == total) std::cerr << '\n';
        } else {
            std::cerr << commande_ << ": deal " << done << " / " << total << ", about " << reste << " left\n";
        }
    }
    bool CancelRequested() override { return interrompu; }

    // The area from the final report on (all of it for a command without progress reports).
    void Imprime() const {
        for (size_t i = debutFinal_; i < zone_.size(); ++i)
            std::cout << zone_[i] << '\n';
    }
    double Secondes() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut_).count();
    }

  private:
    std::string commande_;
    std::deque<std::string> reponses_;
    bool confirme_;
    std::vector<std::string> zone_;
    size_t debutFinal_ = 0;
    bool terminal_ = isatty(STDERR_FILENO) != 0;
    bool demarrage_ = false;
    std::vector<std::string> avertissements_;
    std::chrono::steady_clock::time_point debut_ = std::chrono::steady_clock::now();
};

struct Options {
    std::string systeme, donnes, trace, params, langue = "fr";
    bool sauve = false;
    unsigned threads = 0;
};

void Langue(const Options &o) {
    G_Langue = o.langue == "en" ? "anglais" : "francais";
    TM_FaitLegendesComptePoints();
    TM_FaitPointsHints();
}

// The language and the stored files, as the window starts. A file that does not read stops the command only
// when the command needs it (`exiges`); otherwise it is a warning and the command goes on.
void Demarre(FrontEndLigneDeCommande &fe, const Options &o, const std::string &commande,
             std::initializer_list<const char *> exiges) {
    Langue(o);
    fe.EnDemarrage(true);
    Demarrage(fe);
    fe.EnDemarrage(false);
    for (const char *nom : exiges)
        fe.ExigeLisible(nom);
    fe.Avertit();
    if (!o.params.empty()) {
        try {
            ChargeParametresDesComptesDePoints(o.params);
        } catch (const ErreurFichierDonnees &e) {
            throw UsageError(commande + ": parameter file " + e.what());
        }
    }
}

// The system as the window's prompt takes it: a number. Anything else goes as typed, for the prompt's own
// check to refuse it with the program's message.
std::string ReponseSysteme(const std::string &t) {
    const int s = SystemeDepuisTexte(t);
    return s != 0 ? std::to_string(s) : t;
}

void Evalue(const Options &o) {
    const std::string systeme = ReponseSysteme(o.systeme);
    FrontEndLigneDeCommande fe("evaluate", {systeme, o.donnes}, o.sauve);
    // The configurable systems count with the stored parameters unless --params gives others; --save
    // rewrites the results file.
    const bool parametres = o.params.empty() && (systeme == "1" || systeme == "2" || systeme == "3");
    if (parametres && o.sauve)
        Demarre(fe, o, "evaluate", {NomFichierParametres, NomFichierValeurs});
    else if (parametres)
        Demarre(fe, o, "evaluate", {NomFichierParametres});
    else if (o.sauve)
        Demarre(fe, o, "evaluate", {NomFichierValeurs});
    else
        Demarre(fe, o, "evaluate", {});
    std::ofstream trace;
    OptionsEvaluation options;
    options.threads = o.threads;
    if (!o.trace.empty()) {
        trace.open(o.trace, std::ios::trunc);
        if (!trace) throw UsageError("evaluate: --trace '" + o.trace + "' cannot be written");
        options.trace = [&trace](long u, const TCarreWord &donne,
                                 const std::vector<Observation> &observations) {
            trace << u << ' ' << FormatDeal(donne);
            for (const Observation &obs : observations)
                trace << ' ' << obs.categorie << ':' << obs.points << ':' << obs.levees;
            trace << '\n';
        };
    }
    // Ctrl-C ends the run between deals: nothing is stored and the files are not touched.
    const auto precedent = std::signal(SIGINT, SurInterruption);
    try {
        Evaluer(fe, options);
    } catch (const UsageError &) {
        fe.Imprime(); // a save that failed comes after the report: the report still goes out
        throw;
    }
    std::signal(SIGINT, precedent);
    if (interrompu) throw UsageError("evaluate: interrupted; nothing was stored");
    if (trace && !trace.flush())
        throw UsageError("evaluate: --trace '" + o.trace + "' could not be written completely");
    fe.Imprime();
    char cadence[64];
    std::snprintf(cadence, sizeof cadence, "%.1f s, %.0f deals per hour", fe.Secondes(),
                  std::stod(o.donnes) * 3600 / std::max(fe.Secondes(), 1e-9));
    std::cerr << "evaluate: " << o.donnes << " deals in " << cadence
              << (o.sauve ? ", stored" : ", not stored (--save stores)") << '\n';
}

void Rapport(const Options &o, const std::string &commande, void (*execute)(FrontEnd &)) {
    FrontEndLigneDeCommande fe(commande, {ReponseSysteme(o.systeme)}, false);
    if (execute == TableauEncheres)
        Langue(o); // the table reads no stored file
    else
        Demarre(fe, o, commande, {NomFichierValeurs});
    execute(fe);
    fe.Imprime();
}

CLI::App *Commande(CLI::App &app, const char *nom, const char *description,
                   const std::shared_ptr<Options> &o) {
    auto *cmd = app.add_subcommand(nom, description);
    cmd->add_option("--lang", o->langue, "Language of the report: fr (default) or en")
        ->check(CLI::IsMember({"fr", "en"}));
    return cmd;
}

} // namespace

void RegisterRuns(CLI::App &app) {
    auto o = std::make_shared<Options>();
    const char *systeme =
        "System: 1 to 6, or F (SEF), A (Personnel A), B (Personnel B), Z (Zar), K (Kaplan-Rubens), "
        "C (Charles-Gigault)";

    auto *evaluate = Commande(app, "evaluate", "Evaluate a point-count system over random deals", o);
    evaluate->add_option("--system", o->systeme, systeme)->required();
    evaluate->add_option("--deals", o->donnes, "Number of random deals, 1 to 1000000")->required();
    evaluate->add_flag("--save", o->sauve,
                       "Store the evaluation in the results file, as a confirmed run does");
    evaluate->add_option("--trace", o->trace,
                         "Write each deal and its observations (category:points:tricks) to FILE");
    evaluate->add_option("--params", o->params,
                         "Parameters of systems 1 to 3 from FILE instead of the data directory");
    evaluate->add_option("--threads", o->threads,
                         "Solving threads (default: every core); results do not depend on it");
    evaluate->callback([o] { Evalue(*o); });

    auto *values = Commande(app, "values", "The stored values of one system", o);
    values->add_option("--system", o->systeme, systeme)->required();
    values->callback([o] { Rapport(*o, "values", AfficheValeurs); });

    Commande(app, "compare", "The six stored systems side by side", o)->callback([o] {
        Rapport(*o, "compare", ComparaisonSystemes);
    });
    Commande(app, "overbids", "The break-even percentages of bidding one level higher", o)->callback([o] {
        Rapport(*o, "overbids", TableauEncheres);
    });
}

} // namespace vasterel::cli
