#include "runs/Cellules.h"

#include <gtest/gtest.h>

namespace vasterel {
namespace {

TEST(Cellules, CodeReal) {
    const struct {
        double x;
        int d;
        const char *attendu;
    } cas[] = {
        {0, 2, "  ---"},
        {0, 1, "  ---"},
        {24.75, 2, "24,75"},
        {24.756, 2, "24,75"},
        {9.125, 2, " 9,12"},
        {0.5, 2, "  ,50"},
        {1, 2, " 1,00"},
        {12.5, 1, "12,5 "},
        {5.75, 1, " 5,7 "},
        {0.5, 1, "  ,5 "},
        {0.0625, 2, " , 6"},
        {0.0625, 1, "  ,0 "},
        {1234.5, 1, " 1234,5 "},
        {123.25, 2, "123,25"},
        {12345.5, 1, "12345,5 "},
        // The float nearest to 9.12 lies just below it: the cell shows the lower digit.
        {static_cast<double>(9.12f), 2, " 9,11"},
    };
    for (const auto &c : cas)
        EXPECT_EQ(CodeReal(c.x, c.d), c.attendu) << c.x << " D=" << c.d;
}

TEST(Cellules, CodeLeveesCodeTCodePourCodePourcent) {
    const std::pair<int, const char *> levees[] = {{0, "   --"},   {-1, "     "}, {7, "    7"},
                                                   {46, "   46"},  {98, "   98"}, {99, "  100"},
                                                   {100, "  100"}, {104, "  100"}};
    for (const auto &[x, attendu] : levees)
        EXPECT_EQ(CodeLevees(x), attendu) << x;

    const std::pair<int64_t, const char *> comptes[] = {
        {0, "    --"}, {7, "     7"}, {12345, " 12345"}, {100000, "100000"}, {999999, "999999"}};
    for (const auto &[x, attendu] : comptes)
        EXPECT_EQ(CodeT(x), attendu) << x;

    const std::pair<double, const char *> pour[] = {
        {0, "    --"},     {0.5, "   50%"},   {0.981, "  100%"}, {0.9765625, "   98%"},
        {0.004, "    0%"}, {0.125, "   12%"}, {0.07, "    7%"},  {1, "  100%"}};
    for (const auto &[x, attendu] : pour)
        EXPECT_EQ(CodePour(x), attendu) << x;

    const std::pair<int, const char *> pourcent[] = {
        {0, " --- "}, {100, " 100%"}, {7, "   7%"}, {41, "  41%"}};
    for (const auto &[x, attendu] : pourcent)
        EXPECT_EQ(CodePourcent(x), attendu) << x;
}

} // namespace
} // namespace vasterel
