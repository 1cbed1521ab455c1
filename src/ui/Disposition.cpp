#include "ui/Disposition.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace vasterel::ui {

namespace {

// Design pixels of a 1024 x 768 screen.
constexpr double Marge = 10;
constexpr double LargeurEtiquette = 140;
constexpr double LargeurListe = 35;
constexpr double LargeurColonne = LargeurEtiquette + LargeurListe;
constexpr double HauteurEntete = 24;
constexpr double EcartEntete = 10;
// The high-card scale list holds two items; 40 leaves room for both in any font the window may get.
constexpr double HauteurListeCompte = 40;
constexpr double PremiereLigne = 75;
constexpr double PasLigne = 25;
constexpr double HauteurLigne = 23;
constexpr double LargeurBouton = (1023 - 2 * Marge) / 4;
constexpr double HauteurBouton = 2.0 * 140 / 7;
constexpr double LargeurRapportDebut = 21.0 * 200 / 17;
constexpr double LargeurRapportLarge = 21.0 * 200 / 16;
constexpr double LargeurBarre = 12;
constexpr double LargeurRetour = 80;
constexpr double HauteurProgression = 26;

// From the top of the column headings down to the bottom margin under the command buttons.
constexpr double DernierHautLigne = PremiereLigne + (NParametres - 1) * PasLigne + 3 + 10 + 3;
constexpr double HauteurSousEntetes =
    HauteurEntete + EcartEntete + DernierHautLigne + 2 * PasLigne + 2 * HauteurBouton + 2 + Marge;

int Arrondi(double x) {
    return static_cast<int>(std::nearbyint(x));
}

void VerifieColonne(int c) {
    if (c < 1 || c > NColonnes) throw std::out_of_range("column " + std::to_string(c));
}

} // namespace

// The design puts 25 rows and the command buttons below them; at its own scale it needs more than 768
// pixels. Positions and sizes are therefore scaled vertically so the whole editor and the buttons fit the
// window, while character heights keep the design's scale of the window height over 768.
Disposition::Disposition(int largeur, int hauteur)
    : ecranL_(largeur / 1024.0), ecranPolice_(hauteur / 768.0), largeur_(largeur), hauteur_(hauteur) {
    // The headings' top depends on the factor itself; one refinement settles it.
    ecranH_ = (hauteur - 63.0) / HauteurSousEntetes;
    ecranH_ = (hauteur - HautEntetes()) / HauteurSousEntetes;
}

int Disposition::Police(double hauteurDessin) const {
    return std::max(1, Arrondi(hauteurDessin * ecranPolice_));
}

int Disposition::X(double d) const {
    return Arrondi(d * ecranL_);
}
int Disposition::Y(double d) const {
    return Arrondi(d * ecranH_);
}

int Disposition::HautEntetes() const {
    return 3 * Arrondi(ecranH_ + 20);
}

double Disposition::DebutColonne(int colonne) const {
    VerifieColonne(colonne);
    return Marge + 10 + (colonne - 1) * (LargeurColonne + Marge);
}

double Disposition::HautLigne(int ligne) const {
    if (ligne < 1 || ligne > NParametres) throw std::out_of_range("row " + std::to_string(ligne));
    // Extra gaps set the five groups of rows apart.
    double h = PremiereLigne + (ligne - 1) * PasLigne;
    if (ligne >= 9) h += 3;
    if (ligne >= 12) h += 10;
    if (ligne >= 23) h += 3;
    return h;
}

Rect Disposition::Titre() const {
    const int haut = Arrondi(ecranH_ + 20);
    return {X(Marge + 10), haut, X(3 * LargeurColonne + 2 * Marge), HautEntetes() - haut - 2};
}

Rect Disposition::Entete(int colonne) const {
    return {X(DebutColonne(colonne)), HautEntetes(), X(LargeurColonne), Y(HauteurEntete)};
}

Rect Disposition::ListeCompte(int colonne) const {
    return {X(DebutColonne(colonne)), HautEntetes() + Y(HauteurEntete + EcartEntete), X(LargeurColonne),
            Y(HauteurListeCompte)};
}

Rect Disposition::Etiquette(int colonne, int ligne) const {
    const int haut = ListeCompte(colonne).y + Y(HautLigne(ligne));
    return {X(DebutColonne(colonne)), haut, X(LargeurEtiquette), Y(HauteurLigne)};
}

Rect Disposition::Liste(int colonne, int ligne) const {
    const Rect e = Etiquette(colonne, ligne);
    const int droite = X(DebutColonne(colonne) + LargeurColonne);
    return {e.droite(), e.y, droite - e.droite(), e.h};
}

Rect Disposition::Commande(int numero) const {
    if (numero < 1 || numero > 8) throw std::out_of_range("command " + std::to_string(numero));
    const int rang = (numero - 1) / 4, place = (numero - 1) % 4;
    const double gauche = DebutColonne(1);
    const int x = X(gauche + place * LargeurBouton);
    const int w = X(gauche + (place + 1) * LargeurBouton) - x;
    const int premier = Etiquette(1, NParametres).y + Y(2 * PasLigne);
    const int h = Y(HauteurBouton);
    return {x, premier + rang * (h + Y(2)), w, h};
}

Rect Disposition::Introduction() const {
    const Rect liste = ListeCompte(NColonnes);
    const double gauche = DebutColonne(NColonnes) + LargeurColonne + Marge;
    return {X(gauche), liste.y, X(gauche + LargeurColonne) - X(gauche), Y(8.5 * HauteurBouton)};
}

Rect Disposition::Langue(int numero) const {
    if (numero < 1 || numero > 2) throw std::out_of_range("language button " + std::to_string(numero));
    const Rect intro = Introduction();
    const int moitie = intro.w / 2;
    return {intro.x + (numero - 1) * moitie, intro.bas() + Y(2), numero == 1 ? moitie : intro.w - moitie,
            Y(1.25 * HauteurBouton)};
}

Rect Disposition::RapportAuRepos(bool large) const {
    const Rect intro = Introduction();
    const int x = intro.droite() + X(Marge);
    const int bas = Etiquette(NColonnes, NParametres).bas();
    const int w = X(large ? LargeurRapportLarge : LargeurRapportDebut);
    return {x, intro.y, std::min(w, largeur_ - x), bas - intro.y};
}

Rect Disposition::Barre(GenreRapport genre) const {
    const int colonne = genre == GenreRapport::Tableaux ? 3 : 2;
    const Rect liste = Liste(colonne, 1);
    const Rect repos = RapportAuRepos(false);
    // Its bottom stays close to the resting bottom, whatever report was open before.
    const int h = repos.h + Y(HauteurEntete) + Y(1.5 * Marge);
    return {liste.droite() + X(Marge / 2), HautEntetes(), X(LargeurBarre), h};
}

Rect Disposition::RapportOuvert(GenreRapport genre) const {
    const Rect barre = Barre(genre);
    const int x = barre.droite();
    return {x, barre.y, largeur_ - X(20) - x, barre.h};
}

Rect Disposition::Retour(GenreRapport genre) const {
    const Rect r = RapportOuvert(genre);
    const int w = X(LargeurRetour), h = Y(2 * Marge);
    return {r.droite() - X(2 * Marge) - w, r.bas() - Y(2 * Marge) - h, w, h};
}

Rect Disposition::Progression(GenreRapport genre) const {
    const Rect r = RapportOuvert(genre);
    const int h = Y(HauteurProgression);
    return {r.x + X(2 * Marge), r.bas() - Y(2 * Marge) - h, r.w - X(4 * Marge), h};
}

} // namespace vasterel::ui
