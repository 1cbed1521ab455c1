#include "runs/FichiersDonnees.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vasterel {
namespace {

namespace fs = std::filesystem;

TVCP Exemple() {
    TVCP v;
    v.EchantillonTaille[2] = 40;
    v.MoyenneContrats[2][1][9] = 24.75f;
    v.EcartTypeContrats[2][1][9] = 1.0f / 3;
    v.MoyennePoints[2][6][50] = 9.12f;
    v.EcartTypePoints[2][6][50] = 1e-7f;
    v.Valeur[2][3][25][10] = 38;
    v.TotalLigne[2][6][50] = 7;
    return v;
}

bool Egal(const TVCP &a, const TVCP &b) {
    std::ostringstream x, y;
    EcritValeursDesComptesDePoints(x, a, '.');
    EcritValeursDesComptesDePoints(y, b, '.');
    return x.str() == y.str();
}

std::vector<std::string> Lignes(const std::string &texte) {
    std::vector<std::string> l;
    std::istringstream in(texte);
    for (std::string s; std::getline(in, s);)
        l.push_back(s);
    return l;
}

TEST(FichiersDonnees, ValeursAllerRetourAvecLesDeuxSeparateurs) {
    for (const char separateur : {'.', ','}) {
        std::ostringstream out;
        EcritValeursDesComptesDePoints(out, Exemple(), separateur);
        const auto lignes = Lignes(out.str());
        ASSERT_EQ(lignes.size(), 32226u);
        // System 2 starts after the 5371 lines of system 1: its size, then PHo's 7 first trick counts.
        EXPECT_EQ(lignes[5371], "40");
        EXPECT_EQ(lignes[5372 + 2 * 9], separateur == '.' ? "24.75" : "24,75");
        EXPECT_EQ(lignes[0], "0");
        std::istringstream in(out.str());
        EXPECT_TRUE(Egal(LitValeursDesComptesDePoints(in, "v.txt"), Exemple())) << separateur;
    }
}

TEST(FichiersDonnees, ValeursInvalidesNeChangentRien) {
    std::ostringstream out;
    EcritValeursDesComptesDePoints(out, Exemple(), '.');
    const std::string bon = out.str();
    std::string nonNombre = bon;
    nonNombre.replace(nonNombre.find("\n40\n"), 4, "\n4O\n");
    const struct {
        std::string texte, message;
    } cas[] = {
        {bon.substr(0, bon.size() / 2), ", expected 32226 lines (six systems of 5371 lines)"},
        {nonNombre, "v.txt, line 5372: '4O' is not an integer (sample size of system 2)"},
        {bon + "7\n", "v.txt, line 32227: more than the 32226 expected lines"},
    };
    for (const auto &c : cas) {
        std::istringstream in(c.texte);
        try {
            LitValeursDesComptesDePoints(in, "v.txt");
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const ErreurFichierDonnees &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
    // CR LF line ends and trailing blank lines read the same.
    std::string crlf;
    for (const std::string &l : Lignes(bon))
        crlf += l + "\r\n";
    std::istringstream in(crlf + "\r\n");
    EXPECT_TRUE(Egal(LitValeursDesComptesDePoints(in, "v.txt"), Exemple()));
}

TEST(FichiersDonnees, ParametresAllerRetour) {
    TableBornee<TCompte, 1, 3> comptes{};
    comptes[1] = ValeursSEF();
    comptes[2].PHO = 'Z';
    comptes[2].Ligne(3) = -1.5f;
    comptes[3].Ligne(25) = 0.5f; // no count character: an empty line
    std::ostringstream out;
    EcritParametresDesComptesDePoints(out, comptes, ',');
    const auto lignes = Lignes(out.str());
    ASSERT_EQ(lignes.size(), 78u);
    EXPECT_EQ(lignes[26], "Z");
    EXPECT_EQ(lignes[29], "-1,5");
    EXPECT_EQ(lignes[52], "");
    std::istringstream in(out.str());
    const auto relus = LitParametresDesComptesDePoints(in, "p.txt");
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(relus[s].PHO, comptes[s].PHO);
        for (int r = 1; r <= NbLignesParametres; ++r)
            EXPECT_EQ(relus[s].Ligne(r), comptes[s].Ligne(r)) << s << r;
    }
}

// The save goes through a temporary file: when it cannot complete, the previous file stays whole.
TEST(FichiersDonnees, EnregistrementEchoueGardeLAncienFichier) {
    const fs::path dir = fs::temp_directory_path() / ("vasterel-fichiers-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path fichier = dir / NomFichierValeurs;
    const TVCP avant = VCP;
    VCP = Exemple();
    EnregistreValeursPoints(fichier);
    const auto taille = fs::file_size(fichier);
    EXPECT_FALSE(fs::exists(fichier.string() + ".nouveau"));

    // The new file cannot be created (a directory stands in its way): the save fails, the old file stays.
    fs::create_directory(fichier.string() + ".nouveau");
    VCP.EchantillonTaille[2] = 41;
    EXPECT_THROW(EnregistreValeursPoints(fichier), ErreurFichierDonnees);
    EXPECT_EQ(fs::file_size(fichier), taille);
    VCP = TVCP{};
    ChargeValeursDesComptesDePoints(fichier);
    EXPECT_EQ(VCP.EchantillonTaille[2], 40);

    // A file that does not read leaves the values in memory as they were.
    std::ofstream(fichier) << "garbage\n";
    EXPECT_THROW(ChargeValeursDesComptesDePoints(fichier), ErreurFichierDonnees);
    EXPECT_EQ(VCP.EchantillonTaille[2], 40);
    VCP = avant;
    fs::remove_all(dir);
}

} // namespace
} // namespace vasterel
