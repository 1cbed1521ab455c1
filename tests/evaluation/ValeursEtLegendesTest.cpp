#include "Aides.h"

#include "runs/FichiersDonnees.h"

#include <sstream>

using namespace vasterel;
using vasterel::test::AvecParametres;

using ValeursEtLegendes = AvecParametres;

TEST_F(ValeursEtLegendes, SefDefaultsAndEmptyPersonalSystems) {
    const float sef[] = {1, 0.5f, 0, 1, 1, 0, 1, 1, -1, 0, 0, 3, 2, 1, 1, 1, -4, -2, 0, 2, 3, 4, -0.5f, 0, 0};
    ComptePoints[1] = TCompte{};
    ComptePoints[2].Bicolore55 = 2;
    ValeursSystemes();
    EXPECT_EQ(ComptePoints[1].PHO, 'M');
    for (int r = 1; r <= 25; ++r)
        EXPECT_EQ(ComptePoints[1].Ligne(r), sef[r - 1]) << "row " << r;
    EXPECT_EQ(ComptePoints[2].Bicolore55, 2); // the personal systems are left alone
    // Rows map onto the fields in record order.
    EXPECT_EQ(&ComptePoints[1].Ligne(12), &ComptePoints[1].Chicane);
    EXPECT_EQ(&ComptePoints[1].Ligne(17), &ComptePoints[1].AtoutsSurnumeraires[-2]);
    EXPECT_EQ(&ComptePoints[1].Ligne(22), &ComptePoints[1].AtoutsSurnumeraires[3]);
    EXPECT_THROW(ComptePoints[1].Ligne(26), std::out_of_range);
}

TEST(ValeursInitiales, PersonalSystemsStartEmpty) {
    // Read before any test changes the records: the start-up state.
    for (int s = 2; s <= 3; ++s) {
        EXPECT_NE(ComptePoints[s].PHO, 'M');
        EXPECT_NE(ComptePoints[s].PHO, 'Z');
        for (int r = 1; r <= 25; ++r)
            EXPECT_EQ(ComptePoints[s].Ligne(r), 0) << s << " row " << r;
    }
    EXPECT_EQ(ComptePoints[1].PHO, 'M');
    EXPECT_EQ(ComptePoints[1].Longueur, 1);
}

TEST_F(ValeursEtLegendes, LegendsInBothLanguages) {
    G_Langue = "francais";
    TM_FaitLegendesComptePoints();
    TM_FaitPointsHints();
    const TableBornee<std::string, 0, 91> francais = LegendesComptePoints;
    const TableBornee<std::string, 0, 25> hints = PointsHints;

    const struct {
        int index;
        const char *francais, *anglais;
    } cas[] = {
        {1, " Bonus ARD ARV ADV RDV", " Bonus AKQ AKJ AQJ KQJ"},
        {11, " Malus 3 perdantes immédiates", " Malus 3  immediate losers"},
        {19, " Fit exact avec honneur", " Fit exact with 1+ HC"},
        {25, " Malus fit exact sans honneur", " Malus fit exact without HC"},
        {29, " système personnel B", " System personnel B"},
        {31, " PHo compte Zar Tessik    4.5  3  1.5  0.5", " PHo count Zar Tessik    4.5  3  1.5  0.5"},
        {48, " Retour", " Retour"},
        {55, " Valeurs d'un système", " Dispay the values of a count"},
        {67,
         "                % de n+ trics à SA (PHO)                   % de n+ trics à SA (PHL)               "
         "% de n+ "
         "trics à l'atout (PHS)",
         "              % for n+ tricks at NT (HCP)                % for n+ tricks at NT (HLP)              "
         "% for n+ "
         "tricks at ST (SP)"},
        {81,
         "Voulez-vous sauvegarder les (nouvelles) valeurs des systèmes SEF, perconnelA, PersonnelB? Elle "
         "seront dans "
         "des fichiers du répertoire ",
         "Do you want to save the (new) values of the parameters of systems SEF, personalA and PersonalB? "
         "They will "
         "be saved in files from the directory "},
        {88, "  de  ", " from "},
        {91, "   Contrats à SA, surenchère non-compétitive", "   NT contracts, non-competitive bid"},
    };
    for (const auto &c : cas)
        EXPECT_EQ(LegendesComptePoints[c.index], c.francais) << c.index;
    EXPECT_EQ(PointsHints[9], " -1 point pour RD, RV, DV ou R D V sec");
    EXPECT_EQ(PointsHints[2], " +1 point pour une telle séquence ");

    G_Langue = "anglais";
    TM_FaitLegendesComptePoints();
    TM_FaitPointsHints();
    for (const auto &c : cas)
        EXPECT_EQ(LegendesComptePoints[c.index], c.anglais) << c.index;
    for (int r = 1; r <= 25; ++r)
        EXPECT_EQ(PointsHints[r], hints[r]) << "hints do not change with the language";

    // Every listed entry is filled; the others are never shown and stay empty.
    for (int i = 0; i <= 91; ++i) {
        const bool inutilise = i == 0 || (i >= 32 && i <= 47) || i == 49 || i == 50 || i == 59;
        EXPECT_EQ(LegendesComptePoints[i].empty(), inutilise) << i;
        EXPECT_EQ(francais[i].empty(), inutilise) << i;
    }

    G_Langue = "francais";
    TM_FaitLegendesComptePoints();
    for (int i = 0; i <= 91; ++i)
        EXPECT_EQ(LegendesComptePoints[i], francais[i]) << i;
}

namespace {

// A parameter file: SEF, then Personnel A with its count character and values, then an empty Personnel B.
std::string Fichier(const std::string &finDeLigne, const std::string &separateur) {
    std::string t = "M" + finDeLigne;
    const char *sef[] = {"1", "0#5", "0", "1",  "1",  "0", "1", "1", "-1", "0",    "0", "3", "2",
                         "1", "1",   "1", "-4", "-2", "0", "2", "3", "4",  "-0#5", "0", "0"};
    for (const char *v : sef) {
        std::string s = v;
        if (const auto p = s.find('#'); p != std::string::npos) s.replace(p, 1, separateur);
        t += s + finDeLigne;
    }
    t += "Zorro" + finDeLigne; // only the first character is read
    for (int r = 1; r <= 25; ++r)
        t += (r == 7 ? "2" + separateur + "5" : std::to_string(-r)) + finDeLigne;
    t += finDeLigne; // an empty count character
    for (int r = 1; r <= 25; ++r)
        t += " 0 " + finDeLigne;
    return t;
}

} // namespace

TEST_F(ValeursEtLegendes, ParameterFileReadsEitherSeparatorAndLineEnd) {
    for (const char *fin : {"\n", "\r\n"})
        for (const char *sep : {".", ","}) {
            std::istringstream in(Fichier(fin, sep) + fin + fin); // blank lines at the end are fine
            const auto c = LitParametresDesComptesDePoints(in, "p.txt");
            EXPECT_EQ(c[1].PHO, 'M');
            for (int r = 1; r <= 25; ++r)
                EXPECT_EQ(c[1].Ligne(r), ValeursSEF().Ligne(r)) << r;
            EXPECT_EQ(c[2].PHO, 'Z');
            EXPECT_EQ(c[2].Bicolore55, 2.5f);
            EXPECT_EQ(c[2].FitExactSansHonneurs, -25);
            EXPECT_EQ(c[3].PHO, '\0');
            EXPECT_EQ(c[3].Chicane, 0);
        }
}

TEST_F(ValeursEtLegendes, BadParameterFileChangesNothing) {
    const std::string bon = Fichier("\n", ".");
    std::string avecErreur = bon;
    avecErreur.replace(avecErreur.find("-3\n"), 3, "-3x\n"); // Personnel A, row 3: line 30
    std::string court = bon.substr(0, bon.rfind(" 0 \n"));
    const struct {
        std::string texte, message;
    } cas[] = {
        {avecErreur, "p.txt, line 30: '-3x' is not a decimal number (parameter row 3 of system 2)"},
        {court, "p.txt: the file ends after line 77, expected 78 lines"},
        {bon + "M\n", "p.txt, line 79: more than the 78 expected lines"},
        {"", "p.txt: the file is empty"},
    };
    for (const auto &c : cas) {
        ComptePoints[2].Bicolore55 = 7;
        std::istringstream in(c.texte);
        try {
            ComptePoints = LitParametresDesComptesDePoints(in, "p.txt");
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const ErreurFichierDonnees &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(ComptePoints[2].Bicolore55, 7);
    }
    for (const char *valeur : {"nan", "inf", "", "1.5.2", "0x1"}) {
        std::string t = bon;
        t.replace(t.find("-3\n"), 2, valeur);
        std::istringstream in(t);
        EXPECT_THROW(LitParametresDesComptesDePoints(in, "p.txt"), ErreurFichierDonnees) << valeur;
    }
}
