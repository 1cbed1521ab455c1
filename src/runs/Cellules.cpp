#include "runs/Cellules.h"

#include "evaluation/FonctionsOrlune.h"

#include <cmath>

namespace vasterel {

namespace {

std::string AligneADroite(const std::string &texte, size_t largeur) {
    return texte.size() >= largeur ? texte : std::string(largeur - texte.size(), ' ') + texte;
}

} // namespace

std::string CodeReal(double X, int D) {
    if (X == 0) return "  ---";
    // Truncated, not rounded: a float held just below a decimal boundary shows the lower digit.
    const double echelle = D == 1 ? 10.0 : 100.0;
    std::string S = std::to_string(static_cast<long long>(std::trunc(X * echelle)));
    if (X < 1)
        S = "  " + S;
    else if (X < 10)
        S = " " + S;
    else if (X >= 1000 && X < 10000)
        S = " " + S;
    const size_t d = static_cast<size_t>(D);
    std::string cellule = S.substr(0, S.size() - d) + "," + S.substr(S.size() - d);
    if (D == 1) cellule += ' ';
    return cellule;
}

std::string CodeLevees(int X) {
    if (X == 0) return "   --";
    if (X == -1) return "     ";
    if (X > 98) X = 100;
    return AligneADroite(std::to_string(X), 5);
}

std::string CodeT(int64_t X) {
    if (X == 0) return "    --";
    return AligneADroite(std::to_string(X), 6);
}

std::string CodePour(double X) {
    if (X == 0) return "    --";
    if (X > 0.98) X = 1;
    return AligneADroite(std::to_string(ArrondiPair(X * 100)) + "%", 6);
}

std::string CodePourcent(int X) {
    if (X == 0) return " --- ";
    return AligneADroite(std::to_string(X) + "%", 5);
}

} // namespace vasterel
