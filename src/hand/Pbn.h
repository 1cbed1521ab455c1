#pragma once
// Deals and hands in PBN text: "N:<hand> <hand> <hand> <hand>", hands clockwise from the named seat, each
// hand "S.H.D.C" with ranks AKQJT98765432. Seat 1 is N, 2 E, 3 S, 4 W; suit 1 is the first group of a hand.

#include "hand/VariablesGlobales.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vasterel {

using TMain = std::array<uint16_t, 5>; // [suit 1..4] suit masks; index 0 unused

// Malformed text; what() says what is wrong and where.
struct PbnError : std::invalid_argument {
    using std::invalid_argument::invalid_argument;
};

// A hand "S.H.D.C"; a void is an empty group or "-". Ranks are case-insensitive; "10" is accepted for T.
TMain ParseHand(std::string_view text);
std::string FormatHand(const TMain &hand);

// A deal of four hands of equal size (1 to 13 cards each), no card held twice.
TCarreWord ParseDeal(std::string_view text);
std::string FormatDeal(const TCarreWord &deal);

int SeatFromLetter(char c); // 1..4, 0 when not a seat letter
char SeatLetter(int seat);
int StrainFromText(std::string_view text); // 1..5 from S H D C NT (or N), or 1..5 as digits; 0 when unknown
const char *StrainName(int strain);
int CountCards(const TMain &hand);

} // namespace vasterel
