#pragma once
// Small reads shared by the move weights. Suit masks are 13-bit values compared as numbers: for two
// holdings without common cards, x < y when the top card of y outranks all of x; an empty holding is 0.

#include "hand/VariablesGlobales.h"
#include "solver/TablesSolveur.h"

#include <algorithm>
#include <cstdint>

namespace vasterel::poids {

// One-card mask of a rank or a card code; 0 for rank -1, 8192 for 13 (a card beyond the cards in play).
inline uint32_t Pw(int r) {
    return static_cast<uint32_t>(PW[r]);
}

// The holding without its top card.
inline uint32_t Reste(uint32_t m) {
    return m ^ Pw(MaxCard[m]);
}

inline int Max3(int a, int b, int c) {
    return std::max(a, std::max(b, c));
}

// One more than the highest card of m (not empty) below its top run of consecutive ranks; 0 when m is one
// run. The ranks from Niveau(m) up hold no card of m but its top run.
inline int Niveau(uint32_t m) {
    const int trou = MaxCard[~m & (Pw(MaxCard[m]) - 1) & CouleurPleine]; // highest rank below the top run
    return trou < 0 ? 0 : MaxCard[m & (Pw(trou) - 1)] + 1;
}

// The lowest card of main equivalent to carte (held): only cards still in play (enJeu) held elsewhere
// separate two cards; cards already played do not.
inline int BasDuGroupe(uint32_t main, uint32_t enJeu, int carte) {
    const int coupure = MaxCard[enJeu & ~main & CacheMainSup[carte]];
    return MinCard[main & CacheMainSup[carte] & CacheMainInf[coupure + 1]];
}

// The top cards still in play of one suit: K(k) is the k-th highest (13 beyond them).
struct Rangs {
    explicit Rangs(uint32_t cm) : cm_(cm) {}
    int K(int k) const { return InvRelRang[k][cm_]; }
    // Whether holding x has the k-th highest card in play.
    bool A(uint32_t x, int k) const { return (x & Pw(K(k))) != 0; }

  private:
    uint32_t cm_;
};

} // namespace vasterel::poids
