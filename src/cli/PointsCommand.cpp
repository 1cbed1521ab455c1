// vasterel-cli points: the hand points and high-card points of a hand, or its support points for a trump suit.
// vasterel-cli controls: the control category of a partnership for a trump suit.

#include "cli/Commands.h"

#include "runs/FichiersDonnees.h"
#include "evaluation/FonctionsOrlune.h"
#include "hand/Pbn.h"

#include <cctype>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace vasterel::cli {

namespace {

// 1..4, or the suit letters S, H, D, C.
int AtoutDepuisTexte(const std::string &t, const char *commande) {
    int atout = 0;
    if (FO_VerifieEntier(t, 0, 5)) atout = std::stoi(t);
    else if (t.size() == 1) {
        const int s = StrainFromText(t);
        atout = s <= 4 ? s : 0;
    }
    if (atout == 0)
        throw UsageError(std::string(commande) + ": --trump '" + t + "' is not a trump suit (1 to 4, or S, H, D, C)");
    return atout;
}

// Parameters of the configurable systems: --params FILE, else the data directory's file when it exists,
// else the SEF defaults (the personal systems then have no values).
void ChargeParametres(const std::string &params) {
    std::filesystem::path fichier = params;
    if (fichier.empty()) {
        const std::filesystem::path repertoire = RepertoireDonnees();
        if (repertoire.empty()) return;
        fichier = repertoire / NomFichierParametres;
        std::error_code ec;
        if (!std::filesystem::exists(fichier, ec)) return;
    }
    try {
        ChargeParametresDesComptesDePoints(fichier);
    } catch (const ErreurFichierDonnees &e) {
        throw UsageError(std::string("points: parameter file ") + e.what());
    }
}

struct PointsOptions {
    std::string systeme, main, atout, longueurPartenaire, params;
};

void Points(const PointsOptions &o) {
    const int systeme = SystemeDepuisTexte(o.systeme);
    if (systeme == 0)
        throw UsageError("points: --system '" + o.systeme + "' is not a system (1 to 6, or F, A, B, Z, K, C)");
    TMain main;
    try {
        main = ParseHand(o.main);
    } catch (const PbnError &e) {
        throw UsageError(std::string("points: ") + e.what());
    }
    if (const int n = CountCards(main); n != 13)
        throw UsageError("points: hand '" + o.main + "' holds " + std::to_string(n) + " cards, a hand has 13");
    if (o.atout.empty() != o.longueurPartenaire.empty())
        throw UsageError("points: --trump and --partner-length go together (as in --trump 1 --partner-length 5)");
    if (systeme <= 3) ChargeParametres(o.params);

    const char option = OptionDuSysteme(systeme);
    constexpr int siege = 1; // no count depends on the seat
    if (o.atout.empty()) {
        int pho = 0;
        const int points = FO_CalculPoints(main, siege, siege, pho, option);
        std::cout << points << ' ' << pho << '\n';
        return;
    }
    const int atout = AtoutDepuisTexte(o.atout, "points");
    const int longueur = NumberOnes[main[atout]];
    if (!FO_VerifieEntier(o.longueurPartenaire, -1, 14 - longueur))
        throw UsageError("points: --partner-length '" + o.longueurPartenaire + "' must be a number from 0 to " +
                         std::to_string(13 - longueur) + " (the hand holds " + std::to_string(longueur) +
                         " trumps of 13)");
    const int lonPar = std::stoi(o.longueurPartenaire);
    std::cout << FO_CalculPS(main, 0, atout, siege, siege, option, 1, lonPar) << '\n';
}

struct ControlesOptions {
    std::string atout, ligne, donne;
};

void Controles(const ControlesOptions &o) {
    const int atout = AtoutDepuisTexte(o.atout, "controls");
    if (o.ligne != "1" && o.ligne != "2")
        throw UsageError("controls: --line '" + o.ligne + "' is not a partnership (1 for N-S, 2 for E-W)");
    TCarreWord donne;
    try {
        donne = ParseDeal(o.donne);
    } catch (const PbnError &e) {
        throw UsageError(std::string("controls: ") + e.what());
    }
    std::cout << FO_ControlesLigne(donne, atout, o.ligne == "1" ? 1 : 2) << '\n';
}

} // namespace

int SystemeDepuisTexte(const std::string &t) {
    if (FO_VerifieEntier(t, 0, 7)) return std::stoi(t);
    if (t.size() == 1) return SelonOption(static_cast<char>(std::toupper(static_cast<unsigned char>(t[0]))));
    return 0;
}

void RegisterPoints(CLI::App &app) {
    auto o = std::make_shared<PointsOptions>();
    auto *cmd = app.add_subcommand(
        "points", "Hand points and high-card points of a hand; with --trump and --partner-length, its support points");
    cmd->add_option("hand", o->main, "The hand as S.H.D.C (13 cards)")->required();
    cmd->add_option("--system", o->systeme, "1 to 6, or F (SEF), A, B (personal), Z (Zar), K (Kaplan-Rubens), "
                                            "C (Charles-Gigault)")
        ->required();
    cmd->add_option("--trump", o->atout, "Trump suit: 1 to 4 (or S, H, D, C)");
    cmd->add_option("--partner-length", o->longueurPartenaire, "Partner's trump length as this hand assumes it");
    cmd->add_option("--params", o->params, "Parameter file of systems 1 to 3 (default: the data directory's)");
    cmd->callback([o] { Points(*o); });
}

void RegisterControls(CLI::App &app) {
    auto o = std::make_shared<ControlesOptions>();
    auto *cmd = app.add_subcommand(
        "controls", "Control category of a partnership for a trump suit: 0 none, 1 second-round, 2 first-round");
    cmd->add_option("deal", o->donne, "The deal as N:S.H.D.C S.H.D.C S.H.D.C S.H.D.C")->required();
    cmd->add_option("--trump", o->atout, "Trump suit: 1 to 4 (or S, H, D, C)")->required();
    cmd->add_option("--line", o->ligne, "Partnership: 1 (seats 1 and 3, N-S) or 2 (seats 2 and 4, E-W)")->required();
    cmd->callback([o] { Controles(*o); });
}

} // namespace vasterel::cli
