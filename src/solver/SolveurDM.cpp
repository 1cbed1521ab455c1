#include "solver/SolveurDM.h"

#include "solver/Memoires.h"

namespace vasterel {

SolveurDM::SolveurDM() : mem_(std::make_unique<Memoires>()), ligne_(54) {
    InitialiseTables();
}

SolveurDM::~SolveurDM() = default;

void SolveurDM::Resoudre(const TDonne &donne, TFutursPlis &resultat) {
    donne_ = &donne;
    resultat.CartesRetournees = 0;

    // A request outside the exchange's ranges is as inconsistent as one with unequal hands.
    bool valide = donne.Atout >= 1 && donne.Atout <= 5 && donne.MainD >= 1 && donne.MainD <= 4;
    for (int i = 1; i <= 3; ++i) {
        if (donne.CouleursJouees[i] == 0) continue;
        valide = valide && donne.CouleursJouees[i] <= 4 && donne.CartesJouees[i] <= 12;
        // Cards on the table follow one another: a second card needs a first.
        for (int j = 1; j < i; ++j)
            valide = valide && donne.CouleursJouees[j] != 0;
    }
    for (int seat = 1; seat <= 4; ++seat)
        for (int s = 1; s <= 4; ++s)
            valide = valide && donne.CartesEnMain[seat][s] <= CouleurPleine;
    if (!valide) {
        resultat.Joueur = donne.MainD;
        resultat.Score[1] = -1;
        return;
    }

    Atout = donne.Atout % 5;
    if (Atout == 0)
        for (int s = 1; s <= 4; ++s)
            MiniA[s] = 7;
    Entameur = donne.MainD;
    const auto &cj = donne.CouleursJouees;
    resultat.Joueur = cj[3] != 0   ? Prec[Entameur]
                      : cj[2] != 0 ? Part[Entameur]
                      : cj[1] != 0 ? Suiv[Entameur]
                                   : Entameur;

    if (!FaireLesPilesDeCartes()) {
        resultat.Score[1] = -1;
        return;
    }
    if (NombreDeCartesEnJeu < 5) {
        DernierPli();
        resultat.Score[1] = static_cast<int32_t>(Levees);
        resultat.CartesRetournees = 1;
        // The card of the player to move: his only card.
        for (int s = 1; s <= 4; ++s)
            if (MainsDM[resultat.Joueur][s] != 0) {
                resultat.Couleurs[1] = s;
                resultat.Cartes[1] = MaxCard[MainsDM[resultat.Joueur][s]];
            }
        if ((resultat.Joueur % 2) != (Entameur % 2)) resultat.Score[1] = 1 - resultat.Score[1];
        return;
    }

    // The per-deal suit tables of the quick-trick estimators come with them; the owners are needed now.
    if (donne.ModeInit_FO != 2) InitOwners();
    if (donne.ModeInit_TT == 3) DisposeTTDM();
    if (donne.ModeInit_TT == 1 || donne.ModeInit_TT == 3) InitialiserTTDM();
    if (donne.ModeInit_BM == 1) InitialiseBestMoves();

    int low = 0, high = NLevees;
    int guess = NombreDeCartesEnJeu == 52 ? ChercheCible() : NLevees / 2;
    while (low < high) {
        Target = guess == low ? guess + 1 : guess;
        Node racine = &ligne_[1];
        FaitRacine(racine);
        Arbre(racine);
        if (racine->Valeur == 1) {
            low = Target;
            guess = Target;
        } else {
            high = Target - 1;
            guess = Target - 1;
        }
    }

    if (donne.ModeDispose_TT == 1) DisposeTTDM();

    // guess counts the tricks of Entameur's side, the trick in progress included; the answer is for the side
    // of the player to move.
    resultat.Score[1] = (resultat.Joueur % 2) == (Entameur % 2) ? guess : NLevees - guess;
}

bool SolveurDM::FaireLesPilesDeCartes() {
    const TDonne &d = *donne_;
    for (int s = 1; s <= 4; ++s)
        for (int k = 0; k <= 13; ++k)
            CouleurEnMainSDM[s][k] = 0;
    for (int seat = 1; seat <= 4; ++seat)
        for (int s = 1; s <= 4; ++s)
            MainsDM[seat][s] = d.CartesEnMain[seat][s];

    RangDebut = d.CouleursJouees[3] != 0   ? 4
                : d.CouleursJouees[2] != 0 ? 3
                : d.CouleursJouees[1] != 0 ? 2
                                           : 1;
    // The cards on the table go back to their players; the search replays them as forced plays.
    int joueur = Entameur;
    for (int i = 1; i < RangDebut; ++i) {
        MainsDM[joueur][d.CouleursJouees[i]] ^= static_cast<uint32_t>(PW[d.CartesJouees[i]]);
        joueur = Suiv[joueur];
    }
    for (int s = 1; s <= 4; ++s)
        CouleurEnMainSDM[s][0] = MainsDM[1][s] ^ MainsDM[2][s] ^ MainsDM[3][s] ^ MainsDM[4][s];

    PositionCourante = INT64_MAX;
    NombreDeCartesEnJeu = 0;
    for (int s = 1; s <= 4; ++s)
        NombreDeCartesEnJeu += NumberOnes[CouleurEnMainSDM[s][0]];
    Seuil = NombreDeCartesEnJeu - 4;
    SeuilTTPost = NombreDeCartesEnJeu - 31;
    NLevees = NombreDeCartesEnJeu / 4;
    NPli = 0;
    return VerifieMains();
}

bool SolveurDM::VerifieMains() const {
    // The union is an exclusive or: a card held twice vanishes from it and the counts disagree. A card put
    // back from the table into a hand that still holds it vanishes from the hand the same way.
    if (NombreDeCartesEnJeu == 0 || NombreDeCartesEnJeu % 4 != 0) return false;
    for (int seat = 1; seat <= 4; ++seat) {
        int n = 0;
        for (int s = 1; s <= 4; ++s)
            n += NumberOnes[MainsDM[seat][s]];
        if (n != NombreDeCartesEnJeu / 4) return false;
    }
    return true;
}

void SolveurDM::InitOwners() {
    auto &Owners = mem_->Owners;
    auto &Leader = mem_->Leader;
    for (int s = 1; s <= 4; ++s) {
        Owners[s][0] = 0;
        Leader[s][0] = 0;
    }
    int m = 1;
    while (m < 8192) {
        const int top = PW[MaxCard[m]];
        bool trouve = false;
        for (int s = 1; s <= 4; ++s) {
            if ((CouleurEnMainSDM[s][0] & static_cast<uint32_t>(top)) == 0) continue;
            trouve = true;
            int proprietaire = 1;
            while ((MainsDM[proprietaire][s] & static_cast<uint32_t>(top)) == 0)
                ++proprietaire;
            Owners[s][m] = (Owners[s][m ^ top] << 2) | static_cast<uint32_t>(proprietaire - 1);
            Leader[s][m] = static_cast<uint8_t>((Owners[s][m] & 3) + 1);
        }
        m += trouve ? 1 : top;
    }
}

void SolveurDM::InitialiseBestMoves() {
    for (int k = 0; k <= NombreDeCartesEnJeu - 4; ++k)
        BestMove[1][k] = BestMove[2][k] = -1;
    for (int k = 1; k <= NombreDeCartesEnJeu; ++k)
        Card[k] = -1;
    mem_->Efface();
}

void SolveurDM::FaitRacine(Node R) {
    for (int k = 0; k <= NombreDeCartesEnJeu - 4; ++k)
        BestMove[1][k] = BestMove[2][k] = -1;
    for (int k = 1; k <= NombreDeCartesEnJeu; ++k)
        Card[k] = -1;
    R->Pere = &ligne_[0]; // a scratch parent, never read: the root always has one
    R->FilsAine = nullptr;
    R->Valeur = R->ValeurLocale = 0;
    R->Cardinal = R->Niveau = 0;
    R->Carte = R->Couleur = 0;
    R->Coupe = R->Table = R->Target = 0;
    R->Main = static_cast<int8_t>(Entameur);
    for (int s = 1; s <= 4; ++s) {
        R->LowestBound[s] = 13;
        R->UnderLB[s] = 0;
    }
    R->NumeroDuFils = 1;
    NPli = PP = PPRang = 0;
}

namespace {
int ValeurPoints(int x) {
    return x >= 0 && x <= 7680 ? NumberPoints[x] : 0;
}
} // namespace

int SolveurDM::ChercheCible() const {
    int FaitPoints = 0;
    for (int s = 1; s <= 4; ++s)
        FaitPoints += ValeurPoints(static_cast<int>(MainsDM[Entameur][s] & MasqueHonneurs)) +
                      ValeurPoints(static_cast<int>(MainsDM[Part[Entameur]][s] & MasqueHonneurs));
    if (Atout == 0) return FaitPoints / 3 + 1; // may exceed the tricks: that costs one failing search
    const int t = NumberOnes[MainsDM[Entameur][Atout]] + NumberOnes[MainsDM[Part[Entameur]][Atout]];
    const int estimation = FaitPoints / 3 + 1 + t - 8;
    return estimation < 1 ? 1 : estimation > 13 ? 13 : estimation;
}

// One card per hand: the trick is played out directly. Leaves in Levees 1 when Entameur's side wins it.
void SolveurDM::DernierPli() {
    int couleurGagnante = 0, W = 13;
    Levees = (JoueDernierPli(Entameur, couleurGagnante, W) % 2) == (Entameur % 2) ? 1 : 0;
}

} // namespace vasterel
