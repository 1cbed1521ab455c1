#pragma once
// Where every control of the main window goes, for a window of a given size. The layout is drawn for a
// 1024 x 768 screen in design pixels and scaled to the window; the report area moves and grows for each kind
// of report and goes back to its resting place afterwards. Pure arithmetic, so it is tested without a
// display.

namespace vasterel::ui {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    int droite() const { return x + w; }
    int bas() const { return y + h; }
    bool operator==(const Rect &) const = default;
};

constexpr int NParametres = 25;
constexpr int NColonnes = 3;

// The report kinds: result tables, stored values of one system, help text.
enum class GenreRapport { Tableaux = 1, Valeurs = 2, Aide = 3 };

class Disposition {
  public:
    // The layout of a window whose inner area is largeur x hauteur pixels.
    Disposition(int largeur, int hauteur);

    // Scale factors: horizontal, vertical for positions and sizes, and vertical for character heights.
    double EcranL() const { return ecranL_; }
    double EcranH() const { return ecranH_; }
    double EcranPolice() const { return ecranPolice_; }
    // A character height in design pixels, scaled for this window.
    int Police(double hauteurDessin) const;

    Rect Titre() const;                  // heading of the editor
    Rect Entete(int colonne) const;      // heading of column 1..3
    Rect ListeCompte(int colonne) const; // the two-item high-card scale list
    Rect Etiquette(int colonne, int ligne) const;
    Rect Liste(int colonne, int ligne) const;
    Rect Commande(int numero) const; // command buttons 1..8, two rows of four
    Rect Introduction() const;
    Rect Langue(int numero) const; // 1 French, 2 English
    // The report area at rest: at start-up (large = false) and after a report was closed (large = true).
    Rect RapportAuRepos(bool large) const;
    Rect RapportOuvert(GenreRapport genre) const;
    Rect Barre(GenreRapport genre) const; // the bar at the left edge of an open report
    Rect Retour(GenreRapport genre) const;
    Rect Progression(GenreRapport genre) const; // progress bar and cancel button of a run

  private:
    int X(double d) const;
    int Y(double d) const;
    double DebutColonne(int colonne) const;
    double HautLigne(int ligne) const; // design pixels, from the top of the editor's lists
    int HautEntetes() const;           // window pixels: not scaled, as the design says

    double ecranL_, ecranH_, ecranPolice_;
    int largeur_, hauteur_;
};

} // namespace vasterel::ui
