#include "solver/Echange.h"

namespace vasterel {

TDonne Donne;
FutPli FutP1 = nullptr;

SolveurDM &SolveurParDefaut() {
    static SolveurDM solveur;
    return solveur;
}

void SODM_SolveurDM() {
    if (FutP1 != nullptr) SolveurParDefaut().Resoudre(Donne, *FutP1);
}

TDonne RequeteDonne(const TCarreWord &deal, int leader, int strain) {
    TDonne d;
    d.ModeWinner = 1;
    d.ModeInit_TT = d.ModeInit_BM = d.ModeInit_FO = d.ModeInit_CMN = 1;
    d.ModeDispose_TT = d.ModeDispose_CMN = 1;
    d.Monde = 0;
    d.Signalisation = 0;
    d.Atout = static_cast<uint8_t>(strain);
    d.MainD = static_cast<uint8_t>(leader);
    for (int seat = 1; seat <= 4; ++seat)
        for (int s = 1; s <= 4; ++s)
            d.CartesEnMain[seat][s] = deal[seat][s];
    return d;
}

int LeveesDuDeclarant(SolveurDM &solveur, const TCarreWord &deal, int declarant, int strain) {
    TFutursPlis r;
    solveur.Resoudre(RequeteDonne(deal, Suiv[declarant], strain), r);
    if (r.Score[1] < 0) return -1;
    int cartes = 0;
    for (int s = 1; s <= 4; ++s)
        cartes += NumberOnes[deal[declarant][s]];
    return cartes - r.Score[1];
}

} // namespace vasterel
