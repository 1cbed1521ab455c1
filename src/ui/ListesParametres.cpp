#include "ui/ListesParametres.h"

#include "evaluation/FonctionsOrlune.h"

#include <cstdio>
#include <stdexcept>

namespace vasterel::ui {

namespace {

// The five kinds of list; every row belongs to exactly one.
enum class Genre { Demis, Longueur, Malus, Entiers, Fit };

Genre GenreDeLigne(int ligne) {
    if (ligne < 1 || ligne > NbLignesParametres)
        throw std::out_of_range("parameter row " + std::to_string(ligne) + " is not in 1..25");
    if (ligne == 5) return Genre::Longueur;
    if (EstLigneMalus(ligne)) return Genre::Malus;
    if (ligne >= 12 && ligne <= 14) return Genre::Entiers;
    if (ligne >= 17 && ligne <= 22) return Genre::Fit;
    return Genre::Demis; // 1..4, 6..8, 15, 16
}

} // namespace

bool EstLigneMalus(int ligne) {
    return (ligne >= 9 && ligne <= 11) || ligne >= 23;
}

const std::vector<std::string> &ItemsDeLigne(int ligne) {
    static const std::vector<std::string> demis{" 0", " 0.5", " 1"};
    static const std::vector<std::string> longueur{" 0", " 0.5", " 1", " 2"};
    static const std::vector<std::string> malus{"-1", "-0.5", " 0"};
    static const std::vector<std::string> entiers{" 0", " 1", " 2", " 3", " 4"};
    static const std::vector<std::string> fit{"-4", "-3", "-2", "-1", " 0", " 1", " 2", " 3", " 4"};
    switch (GenreDeLigne(ligne)) {
    case Genre::Demis:
        return demis;
    case Genre::Longueur:
        return longueur;
    case Genre::Malus:
        return malus;
    case Genre::Entiers:
        return entiers;
    case Genre::Fit:
        return fit;
    }
    return demis;
}

float ChercheValeurDepuisIndex(int index, int ligne) {
    switch (GenreDeLigne(ligne)) {
    case Genre::Demis:
        return index * 0.5f;
    case Genre::Longueur:
        return index == 3 ? 2.0f : index * 0.5f;
    case Genre::Malus:
        return -1.0f + index * 0.5f;
    case Genre::Entiers:
        return static_cast<float>(index);
    case Genre::Fit:
        return static_cast<float>(index - 4);
    }
    return 0;
}

int ChercheIndexDepuisValeur(float v, int ligne) {
    switch (GenreDeLigne(ligne)) {
    case Genre::Demis:
        return ArrondiPair(2.0 * v);
    case Genre::Longueur:
        return v < 2 ? ArrondiPair(2.0 * v) : 3;
    case Genre::Malus:
        if (v == -1.0f) return 0;
        if (v == -0.5f) return 1;
        if (v == 0.0f) return 2;
        return 0;
    case Genre::Entiers:
        return ArrondiPair(v);
    case Genre::Fit:
        return ArrondiPair(v + 4.0);
    }
    return 0;
}

std::string TexteValeur(float v) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%g", static_cast<double>(v));
    std::string resultat = v < 0 ? "" : " ";
    resultat += texte;
    return resultat;
}

} // namespace vasterel::ui
