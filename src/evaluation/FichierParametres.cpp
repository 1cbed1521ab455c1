#include "evaluation/FichierParametres.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace vasterel {

std::filesystem::path RepertoireDonnees() {
    const auto variable = [](const char *nom) -> std::string {
        const char *v = std::getenv(nom);
        return v ? std::string(v) : std::string();
    };
    std::filesystem::path base;
    if (const std::string v = variable("appData"); !v.empty()) base = v;
    else if (const std::string w = variable("APPDATA"); !w.empty()) base = w;
    else if (const std::string x = variable("XDG_DATA_HOME"); !x.empty()) base = x;
    else if (const std::string h = variable("HOME"); !h.empty()) base = std::filesystem::path(h) / ".local" / "share";
    else return {};
    return base / "Evaluation_des_mains";
}

namespace {

std::string SansBlancs(std::string s) {
    const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blanc(s.back())) s.pop_back();
    size_t i = 0;
    while (i < s.size() && blanc(s[i])) ++i;
    return s.substr(i);
}

// A decimal number with a point or a comma as separator; nothing else on the line.
bool LitDecimal(std::string texte, float &valeur) {
    texte = SansBlancs(texte);
    for (char &c : texte)
        if (c == ',') c = '.';
    size_t debut = !texte.empty() && texte[0] == '+' ? 1 : 0;
    if (debut == texte.size()) return false;
    const char *fin = texte.data() + texte.size();
    const auto r = std::from_chars(texte.data() + debut, fin, valeur, std::chars_format::general);
    return r.ec == std::errc() && r.ptr == fin && std::isfinite(valeur);
}

} // namespace

TableBornee<TCompte, 1, 3> LitParametresDesComptesDePoints(std::istream &in, const std::string &nom) {
    std::vector<std::string> lignes;
    for (std::string ligne; std::getline(in, ligne);) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        lignes.push_back(ligne);
    }
    if (in.bad()) throw ErreurFichierParametres(nom + ": could not be read");
    // Blank lines after the last block are tolerated; anything else beyond it is not.
    while (lignes.size() > LignesFichierParametres && SansBlancs(lignes.back()).empty()) lignes.pop_back();
    if (lignes.size() != LignesFichierParametres)
        throw ErreurFichierParametres(nom + ": " + std::to_string(lignes.size()) + " lines, expected " +
                                      std::to_string(LignesFichierParametres) +
                                      " (SEF, Personnel A, Personnel B: 26 lines each)");

    TableBornee<TCompte, 1, 3> comptes{};
    for (int systeme = 1; systeme <= 3; ++systeme) {
        const int premiere = (systeme - 1) * LignesParBloc;
        // The count character is the first character of its line; the rest of the line is not read.
        const std::string &pho = lignes[static_cast<size_t>(premiere)];
        comptes[systeme].PHO = pho.empty() ? '\0' : pho[0];
        for (int r = 1; r <= NbLignesParametres; ++r) {
            const size_t n = static_cast<size_t>(premiere + r);
            if (!LitDecimal(lignes[n], comptes[systeme].Ligne(r)))
                throw ErreurFichierParametres(nom + ", line " + std::to_string(n + 1) + ": '" + lignes[n] +
                                              "' is not a decimal number (parameter row " + std::to_string(r) +
                                              " of system " + std::to_string(systeme) + ")");
        }
    }
    return comptes;
}

void ChargeParametresDesComptesDePoints(const std::filesystem::path &fichier) {
    std::ifstream in(fichier, std::ios::binary);
    if (!in) throw ErreurFichierParametres(fichier.string() + ": cannot be opened");
    ComptePoints = LitParametresDesComptesDePoints(in, fichier.string());
}

} // namespace vasterel
