#include "runs/Commandes.h"

#include "evaluation/FonctionsOrlune.h"
#include "runs/Donnes.h"
#include "runs/FichiersDonnees.h"
#include "runs/Rapports.h"

#include <set>
#include <system_error>

namespace vasterel {

std::filesystem::path AdresseParametres;

namespace {

const std::string &L(int n) {
    return LegendesComptePoints[n];
}

void Ecrit(FrontEnd &fe, const Lignes &lignes) {
    for (const std::string &l : lignes)
        fe.AppendLine(l);
}

// A system number 1..6 asked with the given caption and question; 0 (after the message) when refused.
int DemandeSysteme(FrontEnd &fe, int caption, int question) {
    const std::string reponse = fe.Prompt(L(caption), L(question), "0");
    if (!FO_VerifieEntier(reponse, 0, 7)) {
        fe.Message(L(80));
        return 0;
    }
    return std::stoi(reponse);
}

// Stored files that were found but did not read at start-up. A save must not wipe them out: the user may
// still mend them by hand.
std::set<std::filesystem::path> fichiersIllisibles;

// Loads one stored file when it exists; a file that does not read keeps the previous values.
void ChargeSiPresent(FrontEnd &fe, const std::filesystem::path &fichier,
                     void (*charge)(const std::filesystem::path &)) {
    std::error_code ec;
    if (!std::filesystem::exists(fichier, ec)) return;
    try {
        charge(fichier);
    } catch (const ErreurFichierDonnees &e) {
        fe.Message(std::string(e.what()) + ". The file was left as it is and the values in use were kept.");
        fichiersIllisibles.insert(fichier);
    }
}

// Writes one stored file through `enregistre`; a failure is told through fe. An unreadable previous file is
// kept aside under a name of its own first.
void Enregistre(FrontEnd &fe, const char *nom, void (*enregistre)(const std::filesystem::path &)) {
    if (AdresseParametres.empty()) {
        fe.Message("There is no data directory (set HOME or XDG_DATA_HOME): nothing was saved.");
        return;
    }
    const std::filesystem::path fichier = AdresseParametres / nom;
    try {
        if (fichiersIllisibles.count(fichier)) {
            std::filesystem::path copie = fichier;
            copie += ".illisible";
            std::error_code ec;
            std::filesystem::copy_file(fichier, copie, std::filesystem::copy_options::overwrite_existing, ec);
            if (ec && std::filesystem::exists(fichier))
                throw ErreurFichierDonnees(fichier.string() +
                                           " did not read at start-up and cannot be kept aside as " +
                                           copie.string() + " (" + ec.message() + "); nothing was saved");
            enregistre(fichier);
            fichiersIllisibles.erase(fichier);
            if (!ec) fe.Message("The unreadable previous file was kept as " + copie.string() + ".");
        } else {
            enregistre(fichier);
        }
    } catch (const ErreurFichierDonnees &e) {
        fe.Message(e.what());
    }
}

} // namespace

void Demarrage(FrontEnd &fe) {
    ValeursSystemes();
    fichiersIllisibles.clear();
    AdresseParametres = RepertoireDonnees();
    if (AdresseParametres.empty()) {
        fe.Message(
            "The data directory cannot be located (set HOME or XDG_DATA_HOME); nothing can be stored.");
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(AdresseParametres, ec);
    if (ec) {
        fe.Message("The data directory " + AdresseParametres.string() + " cannot be created (" +
                   ec.message() + "); the program goes on without stored data.");
        return;
    }
    ChargeSiPresent(fe, AdresseParametres / NomFichierParametres, ChargeParametresDesComptesDePoints);
    ChargeSiPresent(fe, AdresseParametres / NomFichierValeurs, ChargeValeursDesComptesDePoints);
}

bool FichierIllisible(const char *nom) {
    return fichiersIllisibles.count(AdresseParametres / nom) != 0;
}

void Evaluer(FrontEnd &fe, const OptionsEvaluation &options) {
    const int systeme = DemandeSysteme(fe, 83, 84);
    if (systeme == 0) return;
    const char lettre = OptionDuSysteme(systeme);
    Options.Vasterel[1] = Options.Vasterel[2] = lettre;

    const std::string reponse = fe.Prompt("Nombre de donnes aléatoires", "Entrez un nombre", "0");
    if (!FO_VerifieEntier(reponse, 0, 1000001)) {
        fe.Message("Valeur incorrecte");
        return;
    }
    const long N = std::stol(reponse);

    fe.ShowReportArea(1);
    fe.Repaint();
    Accumulateurs a;
    const bool complet = AnalyseDonnes(
        N, lettre, lettre, options.threads,
        [&](long u, const TCarreWord &donne, const std::vector<Observation> &observations) {
            for (const Observation &o : observations)
                a.Enregistre(o);
            if (options.trace) options.trace(u, donne, observations);
            if (u == 2 || u % 20 == 0) {
                fe.ClearReport();
                Ecrit(fe, RapportProgression(lettre, u, N, CalculeParLevees(a)));
                fe.ScrollReportToTop();
                fe.Repaint();
            }
            fe.Progress(u, N);
            return !fe.CancelRequested();
        },
        [&] { return fe.CancelRequested(); });
    if (!complet) return;

    const StatistiquesParLevees parLevees = CalculeParLevees(a);
    const StatistiquesParPoints parPoints = CalculeParPoints(a);
    Ecrit(fe, RapportFinal(a, parPoints));
    fe.ScrollReportToTop();
    if (!fe.Confirm("Confirmation", "Voulez-vous enregistrer ces nouvelles valeurs ?")) return;

    StockeEvaluation(VCP, systeme, static_cast<int32_t>(N), a, parLevees, parPoints);
    Enregistre(fe, NomFichierValeurs, EnregistreValeursPoints);
}

void AfficheValeurs(FrontEnd &fe) {
    const int systeme = DemandeSysteme(fe, 77, 78);
    if (systeme == 0) return;
    if (VCP.EchantillonTaille[systeme] == 0) {
        fe.Message(L(79));
        return;
    }
    fe.ShowReportArea(2);
    Ecrit(fe, RapportValeurs(VCP, systeme));
    fe.ScrollReportToTop();
}

void ComparaisonSystemes(FrontEnd &fe) {
    fe.ShowReportArea(1);
    fe.ClearReport();
    Ecrit(fe, RapportComparaison(VCP));
    fe.ScrollReportToTop();
}

void TableauEncheres(FrontEnd &fe) {
    fe.ShowReportArea(1);
    fe.ClearReport();
    Ecrit(fe, RapportEncheres());
    fe.ScrollReportToTop();
}

void EnregistreVasterel(FrontEnd &fe) {
    // The directory is shown with its final separator, as the file names are appended to it.
    const std::string repertoire = (AdresseParametres / "").string();
    if (!fe.Confirm("Confirmation", L(81) + repertoire + L(82))) return;
    Enregistre(fe, NomFichierParametres, EnregistreParametresDesComptesDePoints);
}

} // namespace vasterel
