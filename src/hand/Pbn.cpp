#include "hand/Pbn.h"

#include <algorithm>
#include <bit>
#include <cctype>

namespace vasterel {

namespace {

constexpr std::string_view Rangs = "23456789TJQKA";
constexpr std::string_view Sieges = "NESW";
constexpr std::string_view Couleurs = "SHDC";

int RankFromChar(char c) {
    const auto p = Rangs.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

std::string Quoted(std::string_view s) {
    return "'" + std::string(s) + "'";
}

} // namespace

int SeatFromLetter(char c) {
    const auto p = Sieges.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

char SeatLetter(int seat) {
    return Sieges[static_cast<size_t>(seat - 1)];
}

int StrainFromText(std::string_view t) {
    std::string u;
    for (char c : t)
        u += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (u == "NT" || u == "N" || u == "SA" || u == "5") return 5;
    if (u.size() == 1) {
        if (u[0] >= '1' && u[0] <= '4') return u[0] - '0';
        const auto p = Couleurs.find(u[0]);
        if (p != std::string_view::npos) return static_cast<int>(p) + 1;
    }
    return 0;
}

const char *StrainName(int strain) {
    static const char *const noms[] = {"?", "S", "H", "D", "C", "NT"};
    return noms[strain >= 1 && strain <= 5 ? strain : 0];
}

int CountCards(const TMain &hand) {
    int n = 0;
    for (int s = 1; s <= 4; ++s)
        n += NumberOnes[hand[s]];
    return n;
}

TMain ParseHand(std::string_view text) {
    TMain hand{};
    int suit = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            if (++suit > 4)
                throw PbnError("hand " + Quoted(text) + ": more than four suits (a hand is S.H.D.C)");
            continue;
        }
        if (c == '-') continue;
        int rank = RankFromChar(c);
        if (c == '1' && i + 1 < text.size() && text[i + 1] == '0') {
            rank = 8;
            ++i;
        }
        if (rank < 0)
            throw PbnError("hand " + Quoted(text) + ": '" + std::string(1, c) + "' at column " +
                           std::to_string(i + 1) + " is not a rank (AKQJT98765432)");
        const uint16_t bit = static_cast<uint16_t>(1u << rank);
        if (hand[suit] & bit)
            throw PbnError("hand " + Quoted(text) + ": the " + std::string(1, Rangs[rank]) + " of " +
                           std::string(1, Couleurs[suit - 1]) + " is written twice");
        hand[suit] |= bit;
    }
    if (suit != 4)
        throw PbnError("hand " + Quoted(text) + ": " + std::to_string(suit) +
                       " suit(s) found, a hand has four separated by dots (S.H.D.C)");
    return hand;
}

std::string FormatHand(const TMain &hand) {
    std::string out;
    for (int s = 1; s <= 4; ++s) {
        if (s > 1) out += '.';
        for (int r = 12; r >= 0; --r)
            if (hand[s] & (1u << r)) out += Rangs[r];
    }
    return out;
}

TCarreWord ParseDeal(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    const int premier = text.size() >= 2 && text[1] == ':' ? SeatFromLetter(text[0]) : 0;
    if (premier == 0)
        throw PbnError("deal " + Quoted(text) + ": must start with the first seat and a colon, as in N:");

    TCarreWord deal{};
    std::string_view reste = text.substr(2);
    int lu = 0;
    int taille = -1;
    while (true) {
        while (!reste.empty() && reste.front() == ' ')
            reste.remove_prefix(1);
        if (reste.empty()) break;
        const size_t fin = std::min(reste.find(' '), reste.size());
        if (lu == 4) throw PbnError("deal " + Quoted(text) + ": more than four hands");
        const int seat = (premier - 1 + lu) % 4 + 1;
        TMain hand;
        try {
            hand = ParseHand(reste.substr(0, fin));
        } catch (const PbnError &e) {
            throw PbnError("deal " + Quoted(text) + ": " + SeatLetter(seat) + " " + e.what());
        }
        const int n = CountCards(hand);
        if (taille >= 0 && n != taille)
            throw PbnError("deal " + Quoted(text) + ": hands of unequal size (" + SeatLetter(seat) +
                           " holds " + std::to_string(n) + " cards, " + SeatLetter(premier) + " holds " +
                           std::to_string(taille) + ")");
        taille = n;
        for (int s = 1; s <= 4; ++s) {
            for (int autre = 1; autre <= 4; ++autre) {
                const uint16_t commun = deal[autre][s] & hand[s];
                if (commun)
                    throw PbnError("deal " + Quoted(text) + ": the " +
                                   std::string(1, Rangs[static_cast<size_t>(std::bit_width(commun) - 1)]) +
                                   " of " + std::string(1, Couleurs[s - 1]) + " is held by both " +
                                   SeatLetter(autre) + " and " + SeatLetter(seat));
            }
            deal[seat][s] = hand[s];
        }
        ++lu;
        reste.remove_prefix(fin);
    }
    if (lu != 4)
        throw PbnError("deal " + Quoted(text) + ": " + std::to_string(lu) + " hand(s), a deal has four");
    if (taille == 0) throw PbnError("deal " + Quoted(text) + ": the hands hold no cards");
    if (taille > 13) throw PbnError("deal " + Quoted(text) + ": a hand holds more than 13 cards");
    return deal;
}

std::string FormatDeal(const TCarreWord &deal) {
    std::string out = "N:";
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat > 1) out += ' ';
        out += FormatHand({0, deal[seat][1], deal[seat][2], deal[seat][3], deal[seat][4]});
    }
    return out;
}

} // namespace vasterel
