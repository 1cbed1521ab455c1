#include "runs/FichiersDonnees.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <locale>
#include <vector>

namespace vasterel {

std::filesystem::path RepertoireDonnees() {
    const auto variable = [](const char *nom) -> std::string {
        const char *v = std::getenv(nom);
        return v ? std::string(v) : std::string();
    };
    std::filesystem::path base;
    if (const std::string v = variable("appData"); !v.empty())
        base = v;
    else if (const std::string w = variable("APPDATA"); !w.empty())
        base = w;
    else if (const std::string x = variable("XDG_DATA_HOME"); !x.empty())
        base = x;
    else if (const std::string h = variable("HOME"); !h.empty())
        base = std::filesystem::path(h) / ".local" / "share";
    else
        return {};
    return base / "Evaluation_des_mains";
}

char SeparateurDecimalUtilisateur() {
    try {
        return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
    } catch (const std::runtime_error &) {
        return '.'; // the environment names a locale this machine does not have
    }
}

std::string TexteDecimal(float valeur, char separateur) {
    char texte[64];
    const auto r = std::to_chars(texte, texte + sizeof texte, valeur, std::chars_format::fixed);
    std::string s(texte, r.ptr);
    for (char &c : s)
        if (c == '.') c = separateur;
    return s;
}

namespace {

std::string SansBlancs(std::string s) {
    const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blanc(s.back()))
        s.pop_back();
    size_t i = 0;
    while (i < s.size() && blanc(s[i]))
        ++i;
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

bool LitEntier(const std::string &ligne, int32_t &valeur) {
    std::string texte = SansBlancs(ligne);
    size_t debut = !texte.empty() && texte[0] == '+' ? 1 : 0;
    const char *fin = texte.data() + texte.size();
    const auto r = std::from_chars(texte.data() + debut, fin, valeur);
    return debut < texte.size() && r.ec == std::errc() && r.ptr == fin;
}

// The lines of a whole file, without their line ends; it must hold exactly `attendues` lines, blank lines
// after them excepted.
std::vector<std::string> LitLignes(std::istream &in, const std::string &nom, size_t attendues,
                                   const std::string &contenu) {
    std::vector<std::string> lignes;
    for (std::string ligne; std::getline(in, ligne);) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        lignes.push_back(ligne);
    }
    if (in.bad()) throw ErreurFichierDonnees(nom + ": could not be read");
    while (lignes.size() > attendues && SansBlancs(lignes.back()).empty())
        lignes.pop_back();
    const std::string attendu = "expected " + std::to_string(attendues) + " lines (" + contenu + ")";
    if (lignes.empty()) throw ErreurFichierDonnees(nom + ": the file is empty, " + attendu);
    if (lignes.size() < attendues)
        throw ErreurFichierDonnees(nom + ": the file ends after line " + std::to_string(lignes.size()) +
                                   ", " + attendu);
    if (lignes.size() > attendues)
        throw ErreurFichierDonnees(nom + ", line " + std::to_string(attendues + 1) + ": more than the " +
                                   std::to_string(attendues) + " expected lines (" + contenu + ")");
    return lignes;
}

// Reads the lines in the order of a layout, naming the line of the first value that does not read.
class Lecteur {
  public:
    Lecteur(const std::vector<std::string> &lignes, const std::string &nom) : lignes_(lignes), nom_(nom) {}
    void Decimal(float &v) {
        if (!LitDecimal(lignes_[n_], v)) Erreur("a decimal number");
        ++n_;
    }
    void Entier(int32_t &v) {
        if (!LitEntier(lignes_[n_], v)) Erreur("an integer");
        ++n_;
    }
    const std::string &Ligne() { return lignes_[n_++]; }
    std::string contexte; // what the next values are, for the message
    [[noreturn]] void Erreur(const std::string &attendu) const {
        throw ErreurFichierDonnees(nom_ + ", line " + std::to_string(n_ + 1) + ": '" + lignes_[n_] +
                                   "' is not " + attendu + " (" + contexte + ")");
    }

  private:
    const std::vector<std::string> &lignes_;
    const std::string &nom_;
    size_t n_ = 0;
};

// Writes the file through a temporary file of the same directory, renamed over the old one once complete.
void EcritFichierEntier(const std::filesystem::path &fichier,
                        const std::function<void(std::ostream &)> &ecrit) {
    const std::string nom = fichier.string();
    std::filesystem::path temporaire = fichier;
    temporaire += ".nouveau";
    std::error_code ec;
    {
        std::ofstream out(temporaire, std::ios::trunc);
        if (!out)
            throw ErreurFichierDonnees(nom + ": cannot be written (" + temporaire.string() +
                                       " cannot be created)");
        ecrit(out);
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temporaire, ec);
            throw ErreurFichierDonnees(
                nom + ": could not be written completely (disk full?); the previous file is kept");
        }
    }
    std::filesystem::rename(temporaire, fichier, ec);
    if (ec) {
        std::error_code ignore;
        std::filesystem::remove(temporaire, ignore);
        throw ErreurFichierDonnees(nom + ": cannot be replaced (" + ec.message() +
                                   "); the previous file is kept");
    }
}

std::ifstream Ouvre(const std::filesystem::path &fichier) {
    std::ifstream in(fichier, std::ios::binary);
    if (!in) throw ErreurFichierDonnees(fichier.string() + ": cannot be opened for reading");
    return in;
}

} // namespace

TableBornee<TCompte, 1, 3> LitParametresDesComptesDePoints(std::istream &in, const std::string &nom) {
    const auto lignes =
        LitLignes(in, nom, LignesFichierParametres, "SEF, Personnel A, Personnel B: 26 lines each");
    Lecteur lecteur(lignes, nom);
    TableBornee<TCompte, 1, 3> comptes{};
    for (int systeme = 1; systeme <= 3; ++systeme) {
        // The count character is the first character of its line; the rest of the line is not read.
        const std::string &pho = lecteur.Ligne();
        comptes[systeme].PHO = pho.empty() ? '\0' : pho[0];
        for (int r = 1; r <= NbLignesParametres; ++r) {
            lecteur.contexte = "parameter row " + std::to_string(r) + " of system " + std::to_string(systeme);
            lecteur.Decimal(comptes[systeme].Ligne(r));
        }
    }
    return comptes;
}

void EcritParametresDesComptesDePoints(std::ostream &out, const TableBornee<TCompte, 1, 3> &comptes,
                                       char separateur) {
    for (int systeme = 1; systeme <= 3; ++systeme) {
        // A system never given a count character keeps an empty line, which reads back as none.
        if (comptes[systeme].PHO != '\0') out << comptes[systeme].PHO;
        out << '\n';
        for (int r = 1; r <= NbLignesParametres; ++r)
            out << TexteDecimal(comptes[systeme].Ligne(r), separateur) << '\n';
    }
}

TVCP LitValeursDesComptesDePoints(std::istream &in, const std::string &nom) {
    const auto lignes = LitLignes(in, nom, LignesFichierValeurs, "six systems of 5371 lines");
    Lecteur l(lignes, nom);
    TVCP vcp;
    for (int s = 1; s <= NbSystemes; ++s) {
        l.contexte = "sample size of system " + std::to_string(s);
        l.Entier(vcp.EchantillonTaille[s]);
        for (int c = 1; c <= NbCategories; ++c) {
            l.contexte = "system " + std::to_string(s) + ", category " + std::to_string(c);
            for (int t = 0; t <= 13; ++t) {
                l.Decimal(vcp.MoyenneContrats[s][c][t]);
                l.Decimal(vcp.EcartTypeContrats[s][c][t]);
            }
            for (int p = 0; p <= 50; ++p) {
                for (int t = 0; t <= 13; ++t)
                    l.Entier(vcp.Valeur[s][c][p][t]);
                l.Decimal(vcp.MoyennePoints[s][c][p]);
                l.Decimal(vcp.EcartTypePoints[s][c][p]);
                l.Entier(vcp.TotalLigne[s][c][p]);
            }
        }
    }
    return vcp;
}

void EcritValeursDesComptesDePoints(std::ostream &out, const TVCP &vcp, char separateur) {
    const auto decimal = [&](float v) { out << TexteDecimal(v, separateur) << '\n'; };
    for (int s = 1; s <= NbSystemes; ++s) {
        out << vcp.EchantillonTaille[s] << '\n';
        for (int c = 1; c <= NbCategories; ++c) {
            for (int t = 0; t <= 13; ++t) {
                decimal(vcp.MoyenneContrats[s][c][t]);
                decimal(vcp.EcartTypeContrats[s][c][t]);
            }
            for (int p = 0; p <= 50; ++p) {
                for (int t = 0; t <= 13; ++t)
                    out << vcp.Valeur[s][c][p][t] << '\n';
                decimal(vcp.MoyennePoints[s][c][p]);
                decimal(vcp.EcartTypePoints[s][c][p]);
                out << vcp.TotalLigne[s][c][p] << '\n';
            }
        }
    }
}

void ChargeParametresDesComptesDePoints(const std::filesystem::path &fichier) {
    std::ifstream in = Ouvre(fichier);
    ComptePoints = LitParametresDesComptesDePoints(in, fichier.string());
}

void ChargeValeursDesComptesDePoints(const std::filesystem::path &fichier) {
    std::ifstream in = Ouvre(fichier);
    VCP = LitValeursDesComptesDePoints(in, fichier.string());
}

void EnregistreParametresDesComptesDePoints(const std::filesystem::path &fichier) {
    EcritFichierEntier(fichier, [](std::ostream &out) {
        EcritParametresDesComptesDePoints(out, ComptePoints, SeparateurDecimalUtilisateur());
    });
}

void EnregistreValeursPoints(const std::filesystem::path &fichier) {
    EcritFichierEntier(fichier, [](std::ostream &out) {
        EcritValeursDesComptesDePoints(out, VCP, SeparateurDecimalUtilisateur());
    });
}

} // namespace vasterel
