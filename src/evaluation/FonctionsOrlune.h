#pragma once
// Every way the program values a hand: high-card points, the hand points and support points of the six
// point-count systems, the control category of a partnership, the IMP scale and the check of typed integers.
//
// All counts are pure functions of their arguments, of the start-up tables and of the parameter records
// below. The records (ComptePoints, Options) are plain globals: the counting functions only read them, and
// the editor or the file reader changes them only while no evaluation run is going on, so any number of
// threads may count hands at once without locks.

#include "hand/TableBornee.h"
#include "hand/VariablesGlobales.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vasterel {

// One hand as five suit masks; index 0 is ignored, 1..4 are the suits (the row of one seat of a TCarreWord).
using TMainF = std::array<uint16_t, 5>;

// ---------------------------------------------------------------------------------------------------------
// Parameters of a configurable system (SEF, Personnel A, Personnel B).

// The count character, then the 25 values of the parameter rows 1..25 in row order. A value of 0 switches its
// criterion off; a malus is a negative value.
struct TCompte {
    char PHO = '\0'; // 'M' Milton Work scale; any other character the Zar scale
    float Sequence_ARD_ARV_ADV_RDV = 0;    // row 1
    float Sequence_RDX_RVX_DVX = 0;        // row 2
    float BonusAs = 0;                     // row 3
    float QuatreDix_Neuf = 0;              // row 4 (a switch)
    float Longueur = 0;                    // row 5 (a mode: 0 off, 1 any suit, other good suits)
    float Bicolore54 = 0;                  // row 6
    float Bicolore55 = 0;                  // row 7
    float BicoloreSuperieur55 = 0;         // row 8
    float HonneursCourts = 0;              // row 9
    float MalusAs = 0;                     // row 10
    float Couleur3PerdantesImmediates = 0; // row 11
    float Chicane = 0;                     // row 12
    float Singleton = 0;                   // row 13
    float Doubleton4Atouts = 0;            // row 14
    float Doubleton3Atouts = 0;            // row 15
    float SecondDoubleton = 0;             // row 16 (a switch)
    TableBornee<float, -2, 3> AtoutsSurnumeraires{}; // rows 17..22, by surplus trumps -2 (or fewer) .. 3 (or more)
    float Penalite4333 = 0;                // row 23
    float PenaliteNoSingleton = 0;         // row 24
    float FitExactSansHonneurs = 0;        // row 25

    // The value of parameter row r, 1..25 (the editor and the parameter file address values by row).
    float &Ligne(int r);
    float Ligne(int r) const;
};
constexpr int NbLignesParametres = 25;

// [1] SEF, [2] Personnel A, [3] Personnel B; the system number indexes it directly. SEF starts with its
// defaults, the personal systems with zeros and no count character.
extern TableBornee<TCompte, 1, 3> ComptePoints;

// The option character of each partnership: [1] seats 1 and 3, [2] seats 2 and 4.
struct TOptions {
    TableBornee<char, 1, 2> Vasterel{};
};
extern TOptions Options;

// The SEF defaults, count character 'M'.
TCompte ValeursSEF();
// Resets ComptePoints[1] to the SEF defaults; the personal systems are left as they are.
void ValeursSystemes();

// ---------------------------------------------------------------------------------------------------------
// Primitives shared by the counts.

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0). Not a number gives 0.
int ArrondiPair(double x);

int FO_CalculPHOSuit(uint16_t mask);        // Milton Work points of one suit
int FO_CalculPHO(const TMainF &MainF);      // Milton Work points of the hand
double FO_CalculPHOZAR(const TMainF &MainF); // Zar scale: A 4.5, K 3, Q 1.5, J 0.5
// Tens-and-nines correction; C and Atout do not influence the result.
int FO_CalculCorrectionHonneurs(char C, const TMainF &MainF, int Atout);
bool FO_BelleCouleur(uint16_t mask);
bool FO_Borne(int V, int B, int H);
bool FO_Borne(float V, float B, float H);
// System number of an option character: F 1, A 2, B 3, Z 4, K 5, C 6, anything else 0.
int SelonOption(char Option);
// The option character of a system number 1..6, '\0' otherwise.
char OptionDuSysteme(int systeme);

// ---------------------------------------------------------------------------------------------------------
// Hand points (result) and high-card points (PHO) of a hand, any system. J1 and J2 are the hand's seat.
int FO_CalculPoints(const TMainF &MainF, int J1, int J2, int &PHO, char Option);
// The same for the three fixed systems (Zar, Kaplan-Rubens, Charles-Gigault); 0 and PHO 0 for any other option.
int FO_CalculPointsB(const TMainF &MainF, int J1, int J2, int &PHO, char Option);
int FO_CalculPHKR(const TMainF &MainF);
float FO_CalculPHLZAR(const TMainF &MainF, int J1, int J2);
float FO_CalculPDZAR(int L1, int L2, int L3, int L4);

// Support points of a hand for trump suit Atout (1..4), its partner holding LonPar trumps as this hand
// assumes; any system. PHO is not read. Ultime is 1 for every caller.
int FO_CalculPS(const TMainF &MainF, int PHO, int Atout, int J1, int J2, char Option, int Ultime, int LonPar);
// The same for the three fixed systems; 0 for any other option.
int FO_CalculPSB(const TMainF &MainF, int PHO, int Atout, int J1, int J2, char Option, int Ultime, int LonPar);
// The seat that counts as the opener of the trump suit: J2 with four trumps or more, else its partner.
int FO_Ouvreur(const TMainF &MainF, int J2, int Atout);

// ---------------------------------------------------------------------------------------------------------
// Controls, IMP scale, typed integers.

constexpr int ControlesNC = 0;  // neither below
constexpr int ControlesCST = 1; // all second-round controls
constexpr int ControlesCPT = 2; // all first-round controls

// Control category of partnership Ligne (1: seats 1 and 3, anything else: seats 2 and 4) for trump suit Atout.
int FO_ControlesLigne(const TCarreWord &MainF, int Atout, int Ligne);
// International match points of a score difference, with its sign.
int FO_ConversionIMP(int X);
// True when S is a decimal 32-bit integer X (optional sign, surrounding blanks allowed) with Bas < X < Haut.
bool FO_VerifieEntier(std::string_view S, int Bas, int Haut);

// ---------------------------------------------------------------------------------------------------------
// Language-dependent texts.

// "anglais" selects English, anything else French.
extern std::string G_Langue;
bool EnAnglais();
extern TableBornee<std::string, 0, 91> LegendesComptePoints;
extern TableBornee<std::string, 0, 25> PointsHints;

// Fill the legends 1..91 in the current language, and the hints of the parameter rows (French in both).
void TM_FaitLegendesComptePoints();
void TM_FaitPointsHints();

} // namespace vasterel
