// Transposition table: for positions at a trick boundary, bounds on the tricks the side of Entameur still
// takes. Two positions share an entry when the same seat leads at the same trick, every seat has played the
// same number of cards in every suit, and in every suit the cards that mattered belong to the same seats.
// The bounds hold for any Target, so the table serves every yes/no search of a request.

#include "solver/Memoires.h"
#include "solver/SolveurDM.h"

namespace vasterel {

namespace {
constexpr uint32_t NonRempli = 0xFFFFFFFFu;
inline bool MemeCamp(int a, int b) {
    return (a % 2) == (b % 2);
}
inline int Emplacement(int main, int pli) {
    return (main - 1) * 13 + pli;
}
} // namespace

size_t IndexPositions::Depart(int64_t cle, int emplacement) const {
    uint64_t h = static_cast<uint64_t>(cle) * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(emplacement);
    h ^= h >> 29;
    return static_cast<size_t>(h) & (cases_.size() - 1);
}

int32_t IndexPositions::Cherche(int64_t cle, int emplacement) const {
    for (size_t i = Depart(cle, emplacement);; i = (i + 1) & (cases_.size() - 1)) {
        const Case &c = cases_[i];
        if (c.valeur == Nil) return Nil;
        if (c.cle == cle && c.emplacement == emplacement) return c.valeur;
    }
}

void IndexPositions::Ajoute(int64_t cle, int emplacement, int32_t valeur) {
    if (2 * (occupees_ + 1) > cases_.size()) {
        // Keep the table at most half full: probes stay short.
        std::vector<Case> anciennes(cases_.size() * 2);
        anciennes.swap(cases_);
        occupees_ = 0;
        for (const Case &c : anciennes)
            if (c.valeur != Nil) Ajoute(c.cle, c.emplacement, c.valeur);
    }
    size_t i = Depart(cle, emplacement);
    while (cases_[i].valeur != Nil)
        i = (i + 1) & (cases_.size() - 1);
    cases_[i] = {cle, valeur, emplacement};
    ++occupees_;
}

void IndexPositions::Vide() {
    if (occupees_ != 0) std::fill(cases_.begin(), cases_.end(), Case{});
    occupees_ = 0;
}

void SolveurDM::InitialiserTTDM() {
    DisposeTTDM();
}

void SolveurDM::DisposeTTDM() {
    // The pools keep their capacity: the next request reuses it instead of allocating again.
    positions_.Vide();
    racines_.clear();
    cgn_.clear();
}

int32_t SolveurDM::CherchePos(int64_t P, int main, int pli) const {
    return positions_.Cherche(P, Emplacement(main, pli));
}

int32_t SolveurDM::CreeNoeudPos(int64_t P, int main, int pli) {
    const auto T = static_cast<int32_t>(racines_.size());
    racines_.push_back(CreeCGN());
    positions_.Ajoute(P, Emplacement(main, pli), T);
    return T;
}

CGN SolveurDM::CreeCGN() {
    cgn_.emplace_back();
    return static_cast<CGN>(cgn_.size() - 1);
}

void SolveurDM::FaitTT(Node N) {
    int32_t T = CherchePos(PositionCourante, N->Main, NPli);
    if (T == Nil) T = CreeNoeudPos(PositionCourante, N->Main, NPli);
    AjouteCGR(T, N);
}

void SolveurDM::AjouteCGR(int32_t T, Node N) {
    CGN parent = Nil;
    CGN C = racines_[static_cast<size_t>(T)];
    for (int s = 4; s >= 1; --s) {
        const uint32_t rem = CouleurEnMainSDM[s][NPli];
        const uint32_t M = Masque[RelRang[N->LowestBound[s]][rem]];
        const uint32_t Pm = mem_->Owners[s][static_cast<int>(rem)] & M;

        CGN fit = C;
        while (true) {
            TTCGN &c = cgn_[static_cast<size_t>(fit)];
            if (c.Masque == NonRempli) {
                c.Masque = M;
                c.PRO = Pm;
                c.Suit = static_cast<int8_t>(s);
                break;
            }
            if (c.Masque == M && c.PRO == Pm) break;
            if (c.FrereDroit == Nil) {
                // New alternatives go to the head of the list: recent paths are found first.
                const CGN nouveau = CreeCGN();
                TTCGN &n = cgn_[static_cast<size_t>(nouveau)];
                n.Masque = M;
                n.PRO = Pm;
                n.Suit = static_cast<int8_t>(s);
                if (s == 4) {
                    n.FrereDroit = racines_[static_cast<size_t>(T)];
                    racines_[static_cast<size_t>(T)] = nouveau;
                } else {
                    n.FrereDroit = cgn_[static_cast<size_t>(parent)].FilsAine;
                    cgn_[static_cast<size_t>(parent)].FilsAine = nouveau;
                }
                fit = nouveau;
                break;
            }
            fit = c.FrereDroit;
        }

        if (s > 1) {
            if (cgn_[static_cast<size_t>(fit)].FilsAine == Nil) {
                const CGN enfant = CreeCGN();
                cgn_[static_cast<size_t>(fit)].FilsAine = enfant;
            }
            parent = fit;
            C = cgn_[static_cast<size_t>(fit)].FilsAine;
        } else {
            TTCGN &f = cgn_[static_cast<size_t>(fit)];
            if (!f.AEntree) {
                f.AEntree = true;
                f.Entree = TTEPN{};
                for (int k = 1; k <= 4; ++k)
                    f.Entree.LowestBound[k] = 13;
            }
            UpdateBounds(N, fit);
        }
    }
}

void SolveurDM::UpdateBounds(Node N, EPN EP) {
    TTEPN &e = cgn_[static_cast<size_t>(EP)].Entree;
    const int V = N->ValeurLocale;
    for (int s = 1; s <= 4; ++s)
        e.LowestBound[s] = RelRang[N->LowestBound[s]][CouleurEnMainSDM[s][NPli]];
    const bool meneurEntameur = MemeCamp(N->Main, Entameur);
    if (N->Valeur == 1) {
        if (Target - V > e.MinBorne) e.MinBorne = static_cast<uint8_t>(Target - V);
    } else {
        if (Target - V - 1 < e.MaxBorne) e.MaxBorne = static_cast<uint8_t>(Target - V - 1);
    }
    // The lead last tried from N reached the goal of the side on lead when the value is that side's goal.
    if ((N->Valeur == 1) == meneurEntameur) {
        e.BestMove[1] = static_cast<int8_t>(SQ[PP + 1]);
        e.BestMove[2] = static_cast<int8_t>(Card[PP + 1] % 16);
    } else {
        e.BestMove[1] = 0;
    }
}

void SolveurDM::VerifieTT(Node N) {
    const int32_t T = CherchePos(PositionCourante, N->Main, NPli);
    if (T != Nil) ChercheEP(N, T);
}

template <typename Decide>
EPN SolveurDM::ParcourtTrie(int32_t T, const TableBornee<uint32_t, 1, 4> &PLong, Decide decide) {
    // Depth first over the alternatives of each suit level; the first entry that decides wins.
    auto parcours = [&](auto &&self, CGN c, int s) -> EPN {
        for (; c != Nil; c = cgn_[static_cast<size_t>(c)].FrereDroit) {
            const TTCGN &n = cgn_[static_cast<size_t>(c)];
            if (n.Masque == NonRempli || (PLong[s] & n.Masque) != n.PRO) continue;
            if (s > 1) {
                const EPN r = self(self, n.FilsAine, s - 1);
                if (r != Nil) return r;
            } else if (n.AEntree && decide(c)) {
                return c;
            }
        }
        return Nil;
    };
    return parcours(parcours, racines_[static_cast<size_t>(T)], 4);
}

void SolveurDM::ChercheEP(Node N, int32_t T) {
    TableBornee<uint32_t, 1, 4> PLong;
    for (int s = 1; s <= 4; ++s)
        PLong[s] = mem_->Owners[s][static_cast<int>(CouleurEnMainSDM[s][NPli])];
    ParcourtTrie(T, PLong, [&](EPN EP) { return CheckBounds(N, EP) == 1; });
}

int SolveurDM::CheckBounds(Node N, EPN EP) {
    const TTEPN &e = cgn_[static_cast<size_t>(EP)].Entree;
    const int V = N->ValeurLocale;
    if (e.MinBorne + V >= Target) {
        N->Valeur = 1;
        N->Table = 1;
    } else if (e.MaxBorne + V < Target) {
        N->Valeur = 0;
        N->Table = 1;
    } else {
        return 0;
    }
    for (int s = 1; s <= 4; ++s)
        N->LowestBound[s] = InvRelRang[e.LowestBound[s]][CouleurEnMainSDM[s][NPli]];
    BestMove[1][PP + 1] = e.BestMove[1];
    BestMove[2][PP + 1] = e.BestMove[2];
    return 1;
}

void SolveurDM::VerifieTTImmediat(TListeC &L, int VL) {
    const int32_t T = CherchePos(PositionCourante, L.Gain, NPli);
    if (T == Nil) return;
    if (MemeCamp(L.Gain, Entameur)) ++VL;
    L.PEP = ChercheEPImmediat(VL, T, L);
    L.Poids = L.PEP != Nil ? 1000 : 0;
}

EPN SolveurDM::ChercheEPImmediat(int VL, int32_t T, const TListeC &L) {
    TableBornee<uint32_t, 1, 4> PLong;
    for (int s = 1; s <= 4; ++s) {
        uint32_t rem = CouleurEnMainSDM[s][NPli];
        if (s == L.Couleur) rem &= ~static_cast<uint32_t>(PW[L.Carte]);
        PLong[s] = mem_->Owners[s][static_cast<int>(rem)];
    }
    return ParcourtTrie(T, PLong, [&](EPN EP) { return CheckBoundsImmediat(EP, VL) == 1; });
}

int SolveurDM::CheckBoundsImmediat(EPN EP, int VL) const {
    const TTEPN &e = cgn_[static_cast<size_t>(EP)].Entree;
    return (e.MinBorne + VL >= Target || e.MaxBorne + VL < Target) ? 1 : 0;
}

} // namespace vasterel
