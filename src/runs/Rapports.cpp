#include "runs/Rapports.h"

#include "evaluation/FonctionsOrlune.h"
#include "runs/Cellules.h"

namespace vasterel {

namespace {

std::string Blancs(size_t n) {
    return std::string(n, ' ');
}
std::string Trait(size_t n, char c = '-') {
    return std::string(n, c);
}

// The contract levels 1 to 7 as column heads.
std::string EnTeteNiveaux() {
    std::string l;
    for (int w = 1; w <= 7; ++w)
        l += CodeLevees(w) + " ";
    return l;
}

// The label of a category, padded with blanks to the width of its report's column.
std::string Label(int c, size_t largeur) {
    static constexpr const char *labels[NbCategories + 1] = {"",        " PHo",    " PHl",     " PS_NC",
                                                             " PS_CST", " PS_CPT", " PS_Total"};
    std::string l = labels[c];
    return l + Blancs(largeur - l.size());
}

constexpr const char *NomsComplets[NbSystemes + 1] = {"",    " SEF",          "Personnel A",    "Personnel B",
                                                      "Zar", "Kaplan-Rubens", "Charles-Gigault"};
constexpr const char *NomsCourts[NbSystemes + 1] = {"", "SEF ", "P-a ", "P-b ", "Zar ", "K-R ", "C-G "};

} // namespace

Lignes RapportProgression(char lettre, long u, long N, const StatistiquesParLevees &l) {
    Lignes r;
    r.emplace_back();
    r.push_back(std::string(" M et s des points pour n trics \"égal\". Compte ") + lettre + "  " + CodeT(u) +
                " / " + CodeT(N));
    r.push_back(Trait(60));
    r.push_back(Blancs(17) + EnTeteNiveaux());
    r.push_back(Trait(60));
    for (int c = 1; c <= NbCategories; ++c) {
        std::string moyennes = Label(c, 20), ecarts = Blancs(20);
        for (int t = 7; t <= 13; ++t) {
            moyennes += CodeReal(l.Moyenne[c][t], 1) + " ";
            ecarts += CodeReal(l.EcartType[c][t], 1) + " ";
        }
        r.push_back(moyennes);
        r.push_back(ecarts);
        r.emplace_back();
    }
    r.push_back(Trait(60));
    return r;
}

Lignes RapportFinal(const Accumulateurs &a, const StatistiquesParPoints &s) {
    const std::string enTete = Blancs(20) + EnTeteNiveaux() + "           m       s       T";
    const auto rangee = [&](int c, int p, const char *avantT) {
        std::string l = Blancs(1);
        l += std::to_string(p);
        l += Label(c, 17);
        for (int w = 7; w <= 13; ++w)
            l += CodePour(s.CaseTableau[c][p][w]);
        return l + Blancs(8) + CodeReal(s.MoyenneLigne[c][p], 2) + "   " +
               CodeReal(s.EcartTypeLigne[c][p], 2) + avantT + CodeT(a.TotalLigne[c][p]);
    };
    Lignes r;
    for (int c = CategoriePHo; c <= CategoriePHl; ++c) {
        r.push_back(Trait(91, '='));
        r.push_back(LegendesComptePoints[60 + c]);
        r.insert(r.end(), {"", enTete, ""});
        for (int p = 10; p <= 45; ++p) {
            r.emplace_back();
            r.push_back(rangee(c, p, "   "));
        }
        r.emplace_back();
    }
    r.push_back(Trait(91, '='));
    r.push_back(LegendesComptePoints[63]);
    r.insert(r.end(), {"", enTete, ""});
    for (int p = 10; p <= 45; ++p) {
        r.emplace_back();
        for (int c = CategoriePS_NC; c <= CategoriePS_Total; ++c)
            r.push_back(rangee(c, p, "  "));
    }
    r.push_back(Trait(91, '='));
    return r;
}

Lignes RapportValeurs(const TVCP &vcp, int s) {
    // Chances of n tricks or more: sums of rounded percentages, so a little above 100 at times.
    ParCategorie<ParPoints<ParLevees<uint16_t>>> A{};
    for (int c = 1; c <= NbCategories; ++c)
        for (int p = 0; p <= 50; ++p) {
            uint16_t somme = 0;
            for (int n = 13; n >= 0; --n) {
                somme = static_cast<uint16_t>(somme + vcp.Valeur[s][c][p][n]);
                A[c][p][n] = somme;
            }
        }
    std::string K;
    for (int t = 7; t <= 13; ++t)
        K += CodeLevees(t);

    Lignes r;
    r.emplace_back();
    r.push_back(LegendesComptePoints[64] + NomsComplets[s] + LegendesComptePoints[65] +
                std::to_string(vcp.EchantillonTaille[s]) + LegendesComptePoints[66]);
    r.push_back("  " + LegendesComptePoints[76]);
    r.emplace_back();
    r.push_back(LegendesComptePoints[67]);
    r.push_back(Blancs(12) + Trait(117));
    r.push_back(Blancs(8) + K + "    T   " + K + "    T   " + K + "     T");
    for (int p = 10; p <= 45; ++p) {
        std::string P = Blancs(1);
        P += CodeLevees(p);
        const auto Q = [&](int c) {
            std::string q;
            for (int t = 7; t <= 13; ++t)
                q += CodeLevees(A[c][p][t]);
            return q;
        };
        const auto T = [&](int c) { return CodeT(vcp.TotalLigne[s][c][p]); };
        r.emplace_back();
        r.push_back(P + "  " + Q(1) + T(1) + "  " + Q(2) + T(2) + "  " + Q(3) + " " + T(3));
        for (int c = 4; c <= 6; ++c)
            r.push_back(P + Blancs(88) + Q(c) + " " + T(c));
    }
    return r;
}

Lignes RapportComparaison(const TVCP &vcp) {
    Lignes r;
    // One table: per category, the title, the column heads, then two lines per system.
    const auto table = [&](size_t largeur, int de, int a, const char *apres, auto moyenne, auto ecart) {
        r.push_back(Trait(largeur));
        for (int c = 1; c <= NbCategories; ++c) {
            r.push_back(LegendesComptePoints[67 + c]);
            r.emplace_back();
            std::string enTete = Blancs(11);
            for (int x = de; x <= a; ++x)
                enTete += CodeLevees(x) + apres;
            r.push_back(enTete);
            r.emplace_back();
            for (int s = 1; s <= NbSystemes; ++s) {
                std::string m = "  " + std::string(NomsCourts[s]) + Blancs(5), e = Blancs(11);
                for (int x = de; x <= a; ++x) {
                    m += CodeReal(moyenne(s, c, x), 2) + apres;
                    e += CodeReal(ecart(s, c, x), 2) + apres;
                }
                r.push_back(m);
                r.push_back(e + CodeT(vcp.EchantillonTaille[s]));
                r.push_back(Trait(largeur, s < NbSystemes ? '-' : '='));
            }
        }
    };
    r.emplace_back();
    r.push_back(LegendesComptePoints[74]);
    table(
        70, 7, 13, "    ", [&](int s, int c, int t) { return vcp.MoyenneContrats[s][c][t]; },
        [&](int s, int c, int t) { return vcp.EcartTypeContrats[s][c][t]; });
    r.emplace_back();
    r.push_back(LegendesComptePoints[75]);
    r.emplace_back();
    table(
        88, 25, 37, " ", [&](int s, int c, int p) { return vcp.MoyennePoints[s][c][p]; },
        [&](int s, int c, int p) { return vcp.EcartTypePoints[s][c][p]; });
    for (int i = 0; i < 6; ++i)
        r.emplace_back();
    return r;
}

int Calcule(int A, int B, int C) {
    return 100 - ((A - B) * 100 / (A + C));
}

int CalculeIMP(int A, int B, int C) {
    const int X = FO_ConversionIMP(A - B);
    const int Y = FO_ConversionIMP(B + C);
    return Y * 100 / (X + Y);
}

Lignes RapportEncheres() {
    // Columns: not vulnerable undoubled, not vulnerable doubled, vulnerable undoubled, vulnerable doubled;
    // the score columns of the higher contract, and of the lower one, always undoubled.
    static constexpr int colonneHaute[5] = {0, 1, 2, 4, 5};
    static constexpr int colonneBasse[5] = {0, 1, 1, 4, 4};
    const auto ligneNiveau = [](int l, int d) {
        int table[5], imp[5];
        for (int k = 1; k <= 4; ++k) {
            const int A = MarqueBase[l][d][colonneHaute[k]];
            const int B = MarqueBase[l - 1][d][colonneBasse[k]];
            const int C = LeveeDeChute[1][colonneHaute[k]];
            table[k] = Calcule(A, B, C);
            imp[k] = CalculeIMP(A, B, C);
        }
        // Printed in the order of the column heads: 1, 3, then 2, 4.
        const auto cellules = [](const int *v) {
            return CodePourcent(v[1]) + CodePourcent(v[3]) + Blancs(5) + CodePourcent(v[2]) +
                   CodePourcent(v[4]);
        };
        return LegendesComptePoints[88] + std::to_string(l - 1) + LegendesComptePoints[89] +
               std::to_string(l) + " " + cellules(table) + Blancs(18) + cellules(imp);
    };
    const std::string regle = Blancs(3) + Trait(79), double_regle = Blancs(3) + Trait(79, '=');

    Lignes r;
    r.push_back(LegendesComptePoints[85]);
    r.push_back(regle);
    constexpr int titres[4] = {0, 86, 90, 91};
    for (int d = 1; d <= 3; ++d) {
        if (d > 1) r.push_back(double_regle);
        r.push_back(LegendesComptePoints[titres[d]]);
        r.insert(r.end(), {"", LegendesComptePoints[87], ""});
        for (int l = 2; l <= 7; ++l) {
            r.push_back(ligneNiveau(l, d));
            if (l < 7) r.push_back(regle);
        }
    }
    return r;
}

} // namespace vasterel
