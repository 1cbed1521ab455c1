// The parameter records and their SEF defaults, the language-dependent legend table and the hints of the
// parameter rows. The texts are the program's own and are shown exactly as written here, leading blanks and
// spellings included.

#include "evaluation/FonctionsOrlune.h"

#include <stdexcept>
#include <string>

namespace vasterel {

float &TCompte::Ligne(int r) {
    switch (r) {
    case 1: return Sequence_ARD_ARV_ADV_RDV;
    case 2: return Sequence_RDX_RVX_DVX;
    case 3: return BonusAs;
    case 4: return QuatreDix_Neuf;
    case 5: return Longueur;
    case 6: return Bicolore54;
    case 7: return Bicolore55;
    case 8: return BicoloreSuperieur55;
    case 9: return HonneursCourts;
    case 10: return MalusAs;
    case 11: return Couleur3PerdantesImmediates;
    case 12: return Chicane;
    case 13: return Singleton;
    case 14: return Doubleton4Atouts;
    case 15: return Doubleton3Atouts;
    case 16: return SecondDoubleton;
    case 17: case 18: case 19: case 20: case 21: case 22: return AtoutsSurnumeraires[r - 19];
    case 23: return Penalite4333;
    case 24: return PenaliteNoSingleton;
    case 25: return FitExactSansHonneurs;
    default: throw std::out_of_range("TCompte: parameter row " + std::to_string(r) + " is not in 1..25");
    }
}

float TCompte::Ligne(int r) const { return const_cast<TCompte *>(this)->Ligne(r); }

TCompte ValeursSEF() {
    // clang-format off
    static constexpr float Defauts[NbLignesParametres] = {
        1, 0.5f, 0, 1, 1, 0, 1, 1, -1, 0, 0,        // hand points, rows 1..11
        3, 2, 1, 1, 1, -4, -2, 0, 2, 3, 4, -0.5f, 0, 0 // support points, rows 12..25
    };
    // clang-format on
    TCompte c;
    c.PHO = 'M';
    for (int r = 1; r <= NbLignesParametres; ++r) c.Ligne(r) = Defauts[r - 1];
    return c;
}

namespace {
TableBornee<TCompte, 1, 3> ComptesInitiaux() {
    TableBornee<TCompte, 1, 3> c{};
    c[1] = ValeursSEF();
    return c;
}
} // namespace

// SEF holds its defaults from the start, so a count never reads an unset record; the personal systems have
// no built-in values.
TableBornee<TCompte, 1, 3> ComptePoints = ComptesInitiaux();
TOptions Options;

void ValeursSystemes() { ComptePoints[1] = ValeursSEF(); }

std::string G_Langue = "francais";

bool EnAnglais() {
    return G_Langue == "anglais";
}
TableBornee<std::string, 0, 91> LegendesComptePoints;
TableBornee<std::string, 0, 25> PointsHints;

namespace {

struct Legende {
    int index;
    const char *anglais;
    const char *francais;
};

// clang-format off
const Legende Legendes[] = {
    {1, " Bonus AKQ AKJ AQJ KQJ",
        " Bonus ARD ARV ADV RDV"},
    {2, " Bonus KQTx KJTx QJTx",
        " Bonus RDXx RVXx DVXx"},
    {3, " Bonus 2+ Aces",
        " Bonus 2+ As"},
    {4, " Bonus 4 T/9",
        " Bonus XX X99 999"},
    {5, " Length 5+",
        " Longueur 5+"},
    {6, " Two-suiter 54",
        " Bicolore 54"},
    {7, " Two-suiter 55",
        " Bicolore 55"},
    {8, " Two-suiter 11+ cards",
        " Bicolore 11+ cartes"},
    {9, " Malus K Q J KQ KJ, QJ",
        " Malus R D V RD RV, DV"},
    {10, " Malus 0 Ace",
        " Malus 0 As"},
    {11, " Malus 3  immediate losers",
        " Malus 3 perdantes immédiates"},
    {12, " Void",
        " Chicane"},
    {13, " Singleton",
        " Singleton"},
    {14, " Doubleton with 4+ trumps",
        " Doubleton avec 4+ atouts"},
    {15, " Doubleton with 3- trumps",
        " Doubleton avec 3- atouts"},
    {16, " Second doubleton",
        " Second doubleton"},
    {17, " Fit -2 trumps",
        " Fit -2 atouts"},
    {18, " Fit -1 trump",
        " Fit -1 atout"},
    {19, " Fit exact with 1+ HC",
        " Fit exact avec honneur"},
    {20, " Fit +1 trump",
        " Fit +1 atout"},
    {21, " Fit +2 trumps",
        " Fit +2 atouts"},
    {22, " Fit +3+ trumps",
        " Fit +3+ atouts"},
    {23, " Malus hand 4333",
        " Malus main 4333"},
    {24, " Malus regular hand",
        " Malus main régulière"},
    {25, " Malus fit exact without HC",
        " Malus fit exact sans honneur"},
    {26, " Choice of points computing parameters",
        " Choix des paramètres de calcul des points"},
    {27, " System SEF",
        " système SEF"},
    {28, " System Personnel A",
        " système Personnel A"},
    {29, " System personnel B",
        " système personnel B"},
    {30, " PHo count Milton Work   4    3  2    1",
        " PHo compte Milton Work   4    3  2    1"},
    {31, " PHo count Zar Tessik    4.5  3  1.5  0.5",
        " PHo compte Zar Tessik    4.5  3  1.5  0.5"},
    {48, " Retour",
        " Retour"},
    {51, " Presentation",
        " Présentation"},
    {52, " Modify a system",
        " Modifier un système"},
    {53, " Save modifications",
        " Enregistrer les modifications"},
    {54, " Bounds of overbids",
        " Bornes des surenchères"},
    {55, " Dispay the values of a count",
        " Valeurs d'un système"},
    {56, " Evaluate a system",
        " Evaluer un système"},
    {57, " Comparison of the systems",
        " Comparaison des systèmes"},
    {58, " Quit",
        " Quitter"},
    {60, " Modify the parameters values in the column of your choice.",
        " Modifiez à votre guise les valeurs des paramètres dans la colonne de votre choix."},
    {61, " % of success at NT for n+ trics with x HCP",
        " % de donnes réussies à SA à n+ trics avec x PHo"},
    {62, " % of success at NT for n+ trics with x HLP",
        " % de donnes réussies à SA à n+ trics avec x PHL"},
    {63, " % of success at trump contracts for n+ trics with x SP",
        " % de donnes réussies à l'atout à n+ trics avec x PHS"},
    {64, "   Values of system ",
        "   Valeurs du système "},
    {65, " computed on a sample of ",
        " calculées sur un échantillon de "},
    {66, " random deals.",
        " donnes aléatoires."},
    {67, "              % for n+ tricks at NT (HCP)                % for n+ tricks at NT (HLP)              % for n+ tricks at ST (SP)",
        "                % de n+ trics à SA (PHO)                   % de n+ trics à SA (PHL)               % de n+ trics à l'atout (PHS)"},
    {68, " HCP and NT contracts   ",
        " PHo et contrats à SA   "},
    {69, " HLP and NT contracts   ",
        " PHl et contrats à SA   "},
    {70, " SP_NC : without second round controls and suit trump   ",
        " PS_NC : sans les contrôles de second tour et contrats à la couleur  "},
    {71, " SP_SRC : with second round controls and suit trump   ",
        " PS_CST : avec tous les contrôles de second tour et contrats à la couleur "},
    {72, " SP_FRC : with first round controls and suit trump   ",
        " PS_CPT : avec tous les contrôles de premier tour et contrats à la couleur "},
    {73, " SP_Total : set of all values : SP_NC + SP_STC + SP_FRC ",
        " PS_Total : ensemble de toutes les valeurs PHS : PS_NC + PS_CST + PS_CPT "},
    {74, " Means and standard déviations of points corresponding to n trics just made",
        " Moyennes et écarts types des points correspondant à n trics juste faits"},
    {75, " Means and standard deviations of the number of tricks made with n points",
        " Moyennes et écarts types du nombre de levées réalisées avec n points"},
    {76, " Trump contracts are displayed on four lines : SP_NC, SP_SRC, SP_FRC and total SP",
        " Les contrats à l'atout sont présentés sur 4 lignes : PS_NC, PS_CST, PS_CPT et PS total"},
    {77, "Display of points values",
        "Affichage valeur des points"},
    {78, "Enter the system number : 1:SEF; 2:Personal A; 3:Personal B; 4:Zar; 5:Kaplan-Rubens; 6:Charles-Gigault",
        "Entrez le numéro du système : 1:SEF; 2:Personnel A; 3:Personnel B; 4:Zar; 5:Kaplan-Rubens; 6:Charles-Gigault"},
    {79, " You didn't value this system, you didn't have any value for it",
        " Vous n'avez pas encore évalué ce système, vous n'avez aucune valeur pour lui"},
    {80, " Incorrect value",
        " Valeur incorrecte"},
    {81, "Do you want to save the (new) values of the parameters of systems SEF, personalA and PersonalB? They will be saved in files from the directory ",
        "Voulez-vous sauvegarder les (nouvelles) valeurs des systèmes SEF, perconnelA, PersonnelB? Elle seront dans des fichiers du répertoire "},
    {82, ", all your data will be loaded each time the program will be launched",
        ", toutes vos données seront chargées chaque fois que le programme sera lancé."},
    {83, "Valuation of un system",
        "Evaluation système de points"},
    {84, "Enter the number of the system : 1:SEF; 2:PersonalA; 3:PersonalB; 4:Zar; 5:Kaplan-Rubens; 6:Charles-Gigault",
        "Entrez le numéro du système : 1:SEF; 2:Personnel A; 3:Personnel B; 4:Zar; 5:Kaplan-Rubens; 6:Charles-Gigault"},
    {85, "                       Points (PT)                                 IMP (match)",
        "                       Points (TPP)                                IMP (match)"},
    {86, "   Minor contracts, non-competitive bid",
        "   Contrats en mineure, surenchère non-compétitive"},
    {87, "                NVND VND       NVD   VD                    NVND VND       NVD   VD",
        "                NVNC VNC       NVC   VC                    NVNC VNC       NVC   VC"},
    {88, " from ",
        "  de  "},
    {89, "  to  ",
        "  à   "},
    {90, "   Major contracts, non-competitive bid",
        "   Contrats en majeure, surenchère non-compétitive"},
    {91, "   NT contracts, non-competitive bid",
        "   Contrats à SA, surenchère non-compétitive"},
};
const char *const Hints[] = {
    "",
    " +1 point pour une telle séquence",
    " +1 point pour une telle séquence ",
    " +1 point par As à partir du second",
    " +1 points pour quatre X et 9",
    " 1: +1 point pour une couleur quelconque pour chaque carte au-delà de 4; 2: +1 point pour une belle couleur seulement par carte au-delà de 4; si la couleur est laide +1 point par carte au-delà de 5 ",
    " +1 point pour un bicolore 54",
    " +1 point pour un bicolore 55",
    " +1 point pour un bicolore de 11 cartes, cumulé au précédent",
    " -1 point pour RD, RV, DV ou R D V sec",
    " -1 point pour une main sans As ",
    " -1 point pour une couleur de 3 cartes inférieures au X, i.e. 3 perdantes immédiates",
    " Bonus Chicane",
    " Bonus singleton",
    " Bonus doubleton accompagné de 4 atouts",
    " Bonus doubleton accompagné de 3 atouts",
    " On compte ou pas un second doubleton",
    " Malus pour un fit de 6 cartes",
    " Malus pour un fit de 7 cartes",
    " Fit exact",
    " Bonus pour 1 atout surnuméraire",
    " Bonus pour 2 atouts surnuméraires",
    " Bonus pour 3+ atouts surnuméraires",
    " Malus pour les jeux 4333",
    " Malus pour les jeux non 4333 mais sans singleton",
    " Malus pour un soutien exact sans carte supérieure au 9",
};
// clang-format on

} // namespace

void TM_FaitLegendesComptePoints() {
    const bool anglais = EnAnglais();
    for (const Legende &l : Legendes) LegendesComptePoints[l.index] = anglais ? l.anglais : l.francais;
}

void TM_FaitPointsHints() {
    for (int r = 1; r <= NbLignesParametres; ++r) PointsHints[r] = Hints[r];
}

} // namespace vasterel
