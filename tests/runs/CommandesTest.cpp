#include "runs/Commandes.h"

#include "evaluation/FonctionsOrlune.h"
#include "runs/FichiersDonnees.h"
#include "runs/Statistiques.h"
#include "tests/runs/FrontEndFactice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vasterel {
namespace {

namespace fs = std::filesystem;

// Each test starts French, with a data directory of its own and nothing stored.
class Commandes : public ::testing::Test {
  protected:
    void SetUp() override {
        G_Langue = "francais";
        TM_FaitLegendesComptePoints();
        ValeursSystemes();
        VCP = TVCP{};
        dir_ = fs::temp_directory_path() / ("vasterel-commandes-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        AdresseParametres = dir_;
        // Start-up locates the data directory from the environment: never the user's own.
        setenv("appData", dir_.string().c_str(), 1);
    }
    void TearDown() override {
        unsetenv("appData");
        fs::remove_all(dir_);
        VCP = TVCP{};
        ValeursSystemes();
    }
    fs::path dir_;
};

TEST_F(Commandes, EvaluerRefuseLesReponsesInvalides) {
    const struct {
        const char *systeme, *donnes, *message;
    } cas[] = {
        {"0", "10", " Valeur incorrecte"},     {"7", "10", " Valeur incorrecte"},
        {"-1", "10", " Valeur incorrecte"},    {"SEF", "10", " Valeur incorrecte"},
        {"", "10", " Valeur incorrecte"},      {"1", "0", "Valeur incorrecte"},
        {"1", "1000001", "Valeur incorrecte"}, {"1", "", "Valeur incorrecte"},
        {"1", "2x", "Valeur incorrecte"},
    };
    for (const auto &c : cas) {
        FrontEndFactice fe;
        fe.reponses = {c.systeme, c.donnes};
        Evaluer(fe);
        ASSERT_EQ(fe.messages.size(), 1u) << c.systeme << " " << c.donnes;
        EXPECT_EQ(fe.messages[0], c.message);
        EXPECT_TRUE(fe.sortesDeRapport.empty());
    }
    FrontEndFactice fe;
    Evaluer(fe); // a cancelled prompt answers its default "0"
    EXPECT_EQ(fe.prompts[0],
              "Evaluation système de points | Entrez le numéro du système : 1:SEF; 2:Personnel A; "
              "3:Personnel B; 4:Zar; 5:Kaplan-Rubens; 6:Charles-Gigault | 0");
    EXPECT_EQ(fe.messages, std::vector<std::string>{" Valeur incorrecte"});
    EXPECT_FALSE(fs::exists(dir_ / NomFichierValeurs));
}

// A two-deal run: progress after deal 2, the final report, nothing stored on Cancel, everything on OK.
TEST_F(Commandes, EvaluerDeuxDonnes) {
    FrontEndFactice fe;
    fe.reponses = {"4", "2"};
    Evaluer(fe);
    EXPECT_EQ(fe.sortesDeRapport, std::vector<int>{1});
    EXPECT_EQ(fe.progression, (std::vector<long>{1, 2}));
    EXPECT_EQ(Options.Vasterel[1], 'Z');
    // The progress report after deal 2 stays above the final report.
    ASSERT_GT(fe.zone.size(), 30u);
    EXPECT_EQ(fe.zone[1], " M et s des points pour n trics \"égal\". Compte Z       2 /      2");
    EXPECT_EQ(fe.zone[3], std::string(17, ' ') + "    1     2     3     4     5     6     7 ");
    // Deviations of PHo: each trick count seen at most once so far.
    std::string ecarts(20, ' ');
    for (int t = 7; t <= 13; ++t)
        ecarts += "  --- ";
    EXPECT_EQ(fe.zone[6], ecarts);
    EXPECT_EQ(fe.zone[20].substr(0, 20), " PS_Total           ");
    // First row of the final report: 10 points, nothing observed.
    EXPECT_EQ(fe.zone[30],
              " 10 PHo                 --    --    --    --    --    --    --          ---     ---       --");
    EXPECT_EQ(fe.zone[23], std::string(60, '-'));
    EXPECT_EQ(fe.zone[24], std::string(91, '='));
    EXPECT_EQ(fe.zone[25], " % de donnes réussies à SA à n+ trics avec x PHo");
    EXPECT_EQ(fe.zone.back(), std::string(91, '='));
    // Final report: 2 notrump blocks of 5 + 2 x 36 + 1 lines, the trump block 5 + 5 x 36 lines, a last rule.
    EXPECT_EQ(fe.zone.size() - 24, 2 * (5 + 72 + 1) + 5 + 180 + 1);
    EXPECT_EQ(fe.confirmations, std::vector<std::string>{"Voulez-vous enregistrer ces nouvelles valeurs ?"});
    EXPECT_EQ(VCP.EchantillonTaille[4], 0);
    EXPECT_FALSE(fs::exists(dir_ / NomFichierValeurs));

    FrontEndFactice ok;
    ok.reponses = {"4", "2"};
    ok.confirme = true;
    Evaluer(ok);
    EXPECT_EQ(ok.zone, fe.zone); // the same deals give the same report
    EXPECT_EQ(VCP.EchantillonTaille[4], 2);
    int notrump = 0;
    for (int p = 0; p <= 50; ++p)
        notrump += VCP.TotalLigne[4][1][p];
    EXPECT_EQ(notrump, 2);
    const TVCP stocke = VCP;
    VCP = TVCP{};
    ChargeValeursDesComptesDePoints(dir_ / NomFichierValeurs);
    std::ostringstream a, b;
    EcritValeursDesComptesDePoints(a, VCP, '.');
    EcritValeursDesComptesDePoints(b, stocke, '.');
    EXPECT_EQ(a.str(), b.str());
}

TEST_F(Commandes, TableauEncheresValeursCaracteristiques) {
    FrontEndFactice fe;
    TableauEncheres(fe);
    EXPECT_EQ(fe.sortesDeRapport, std::vector<int>{1});
    ASSERT_EQ(fe.zone.size(), 2 + 3 * (4 + 11) + 2u);
    EXPECT_EQ(fe.zone[1], "   " + std::string(79, '-'));
    // Level lines: each class takes 16 lines, its first level line 4 below its title; a rule between steps.
    const auto ligne = [&](int classe, int niveau) {
        return fe.zone[6 + 16 * (classe - 1) + 2 * (niveau - 2)];
    };
    EXPECT_EQ(ligne(1, 2),
              "  de  1  à   2   86%  90%       61%  72%                    75%  83%       62%  70%");
    EXPECT_EQ(ligne(1, 5),
              "  de  4  à   5   40%  33%       36%  35%                    41%  37%       40%  40%");
    EXPECT_EQ(ligne(2, 4),
              "  de  3  à   4   41%  34%       35%  35%                    41%  37%       37%  40%");
    EXPECT_EQ(ligne(3, 3),
              "  de  2  à   3   38%  32%       34%  34%                    41%  37%       37%  40%");
    EXPECT_EQ(ligne(2, 6),
              "  de  5  à   6   49%  50%       42%  46%                    50%  50%       45%  48%");
    EXPECT_EQ(ligne(3, 7),
              "  de  6  à   7   67%  67%       58%  61%                    56%  56%       51%  54%");
    EXPECT_EQ(fe.zone[17], "   " + std::string(79, '='));

    // Another language changes the legends, not the numbers.
    G_Langue = "anglais";
    TM_FaitLegendesComptePoints();
    FrontEndFactice en;
    TableauEncheres(en);
    EXPECT_EQ(en.zone[6 + 16 + 4],
              " from 3  to  4   41%  34%       35%  35%                    41%  37%       37%  40%");
}

TEST_F(Commandes, ValeursEtComparaison) {
    FrontEndFactice jamais;
    jamais.reponses = {"5"};
    AfficheValeurs(jamais);
    EXPECT_EQ(jamais.messages,
              std::vector<std::string>{
                  " Vous n'avez pas encore évalué ce système, vous n'avez aucune valeur pour lui"});
    EXPECT_TRUE(jamais.sortesDeRapport.empty());

    VCP.EchantillonTaille[5] = 1234;
    VCP.Valeur[5][1][27] = {};
    VCP.Valeur[5][1][27][8] = 54; // 54 % made exactly 8 tricks with 27 HCP, 46 % 9 tricks
    VCP.Valeur[5][1][27][9] = 46;
    VCP.TotalLigne[5][1][27] = 13;
    VCP.Valeur[5][6][27][13] = 51; // rounded shares summing above 98 show 100
    VCP.Valeur[5][6][27][12] = 49;
    VCP.TotalLigne[5][6][27] = 2;
    VCP.MoyenneContrats[5][3][9] = 24.75f;
    VCP.EcartTypePoints[5][2][25] = 1.5f;
    FrontEndFactice v;
    v.reponses = {"5"};
    AfficheValeurs(v);
    EXPECT_EQ(v.sortesDeRapport, std::vector<int>{2});
    EXPECT_EQ(v.zone[1],
              "   Valeurs du système Kaplan-Rubens calculées sur un échantillon de 1234 donnes aléatoires.");
    const std::string K = "    7    8    9   10   11   12   13";
    EXPECT_EQ(v.zone[6], std::string(8, ' ') + K + "    T   " + K + "    T   " + K + "     T");
    // Row of 27 points: 5 lines per points value from 10 on.
    const size_t r = 7 + 5 * (27 - 10);
    EXPECT_EQ(v.zone[r], "");
    const std::string vide = "   --   --   --   --   --   --   --";
    EXPECT_EQ(v.zone[r + 1], "    27  " + std::string("  100  100   46   --   --   --   --") + "    13  " +
                                 vide + "    --  " + vide + "     --");
    EXPECT_EQ(v.zone[r + 4], "    27" + std::string(88, ' ') + "  100  100  100  100  100  100   51      2");

    FrontEndFactice c;
    ComparaisonSystemes(c);
    EXPECT_EQ(c.sortesDeRapport, std::vector<int>{1});
    // First table: per category a title, three lines of heads, then three lines per system.
    const size_t titre = 3 + 2 * (4 + 3 * 6); // category PS_NC
    EXPECT_EQ(c.zone[titre], " PS_NC : sans les contrôles de second tour et contrats à la couleur  ");
    const std::string d = "  ---    ";
    const size_t kr = titre + 4 + 3 * 4;
    EXPECT_EQ(c.zone[kr], "  K-R      " + d + d + "24,75    " + d + d + d + d);
    EXPECT_EQ(c.zone[kr + 1], std::string(11, ' ') + d + d + d + d + d + d + d + "  1234");
    EXPECT_EQ(c.zone[titre + 4 + 3 * 1 + 1].substr(11 + 7 * 9), "    --"); // Personnel A, never evaluated
    EXPECT_EQ(c.zone[titre + 4 + 3 * 5 + 2], std::string(70, '='));
}

TEST_F(Commandes, EnregistrementDesParametresEtDemarrage) {
    FrontEndFactice annule;
    EnregistreVasterel(annule);
    ASSERT_EQ(annule.confirmations.size(), 1u);
    EXPECT_NE(annule.confirmations[0].find((dir_ / "").string() + ", toutes vos données"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / NomFichierParametres));

    ComptePoints[2].PHO = 'Z';
    ComptePoints[2].Ligne(17) = -2.5f;
    FrontEndFactice ok;
    ok.confirme = true;
    EnregistreVasterel(ok);
    EXPECT_TRUE(ok.messages.empty());
    ValeursSystemes();
    ComptePoints[2] = TCompte{};

    // Start-up reads both files back; a results file that does not read is reported and keeps VCP.
    fs::create_directories(dir_ / "Evaluation_des_mains");
    fs::copy(dir_ / NomFichierParametres, dir_ / "Evaluation_des_mains" / NomFichierParametres);
    std::ofstream(dir_ / "Evaluation_des_mains" / NomFichierValeurs) << "12\nx\n";
    VCP.EchantillonTaille[3] = 9;
    FrontEndFactice depart;
    Demarrage(depart);
    EXPECT_EQ(AdresseParametres, dir_ / "Evaluation_des_mains");
    EXPECT_EQ(ComptePoints[2].PHO, 'Z');
    EXPECT_EQ(ComptePoints[2].Ligne(17), -2.5f);
    ASSERT_EQ(depart.messages.size(), 1u);
    EXPECT_NE(depart.messages[0].find(NomFichierValeurs +
                                      std::string(": the file ends after line 2, expected 32226 lines")),
              std::string::npos)
        << depart.messages[0];
    EXPECT_EQ(VCP.EchantillonTaille[3], 9);

    // Saving over a parameters file that did not read keeps the unreadable one aside.
    const fs::path parametres = AdresseParametres / NomFichierParametres;
    std::ofstream(parametres) << "M\n1,5\n";
    FrontEndFactice redemarrage;
    Demarrage(redemarrage);
    EXPECT_EQ(redemarrage.messages.size(), 2u);
    FrontEndFactice sauve;
    sauve.confirme = true;
    EnregistreVasterel(sauve);
    EXPECT_EQ(sauve.messages, std::vector<std::string>{"The unreadable previous file was kept as " +
                                                       parametres.string() + ".illisible."});
    std::ifstream garde(parametres.string() + ".illisible");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(garde), {}), "M\n1,5\n");
    ValeursSystemes();
    ChargeParametresDesComptesDePoints(parametres);
    EXPECT_EQ(ComptePoints[2].Ligne(17), -2.5f);
}

} // namespace
} // namespace vasterel
