#pragma once
// Seats, suits, ranks and suit masks, the solver's request and result records, and the tables shared by the
// whole program. The tables are filled once at start-up and only read afterwards, so any number of threads
// may read them without locks.

#include "hand/TableBornee.h"

#include <array>
#include <cstdint>
#include <string>

namespace vasterel {

// Seats 1..4 in playing order, partners of equal parity; suits 1..4; strain 5 = notrump;
// ranks 0 (two) .. 12 (ace); a suit mask holds bit r for rank r.
constexpr int NbMains = 4;
constexpr int NbCouleurs = 4;
constexpr int SansAtout = 5;
constexpr uint16_t CouleurPleine = 0x1FFF;
constexpr uint16_t MasqueHonneurs = 0x1E00;

// A deal as [seat][suit] suit masks; index 0 of each dimension is unused.
using TCarreWord = std::array<std::array<uint16_t, 5>, 5>;

inline int NumeroCarte(int couleur, int rang) {
    return (couleur - 1) * 13 + rang;
}
inline int CouleurDeCarte(int numero) {
    return numero / 13 + 1;
}
inline int RangDeCarte(int numero) {
    return numero % 13;
}

// The solver request. Field order and meaning follow the exchange the callers were written against.
struct TDonne {
    int32_t ModeWinner = 1;
    uint8_t ModeInit_TT = 1;
    uint8_t ModeInit_BM = 1;
    uint8_t ModeInit_FO = 1;
    uint8_t ModeInit_CMN = 1;
    uint8_t ModeDispose_TT = 1;
    uint8_t ModeDispose_CMN = 1;
    uint8_t Monde = 0;
    uint8_t Atout = SansAtout;
    uint8_t MainD = 1;
    TableBornee<uint8_t, 1, 3> CouleursJouees{};
    TableBornee<uint8_t, 1, 3> CartesJouees{};
    TableBornee<TableBornee<uint16_t, 1, 4>, 1, 4> CartesEnMain{};
    uint8_t Signalisation = 0;
};

// The solver answer: Score[1] is the number of tricks the side of Joueur takes from the current trick to the
// end, or -1 when the request was rejected.
struct TFutursPlis {
    int32_t CartesRetournees = 0;
    int32_t Joueur = 0;
    TableBornee<int32_t, 1, 13> Couleurs{};
    TableBornee<int32_t, 1, 13> Cartes{};
    TableBornee<int32_t, 1, 13> Score{};
};
using FutPli = TFutursPlis *;

// clang-format off
extern TableBornee<uint8_t, 0, 8192>  NumberOnes;
extern TableBornee<uint8_t, 0, 7680>  NumberPoints;
extern TableBornee<int32_t, -1, 45>   PW;
extern TableBornee<int64_t, -1, 63>   PWPC;
extern TableBornee<int8_t, 1, 4>      Part;
extern TableBornee<int8_t, 1, 4>      Prec;
extern TableBornee<int8_t, 1, 4>      Suiv;
// [level 1..7][1 minor, 2 major, 3 notrump][column 1..6]; columns: not vulnerable undoubled, doubled,
// redoubled, then the same vulnerable.
extern TableBornee<TableBornee<TableBornee<uint16_t, 1, 6>, 1, 3>, 1, 7> MarqueBase;
// [undertricks 1..13][column 1..6], same columns.
extern TableBornee<TableBornee<uint16_t, 1, 6>, 1, 13> LeveeDeChute;
// clang-format on
extern std::string PoliceFederale;

int CountOnes(uint16_t w);
void InitialiseVariablesGlobales();

// Fills every start-up table of the program (shared ones, then the solver's) exactly once; safe to call
// from anywhere, any number of times.
void InitialiseTables();

} // namespace vasterel
