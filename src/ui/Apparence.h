#pragma once
// Fonts and pictures of the window.

#include <QFont>
#include <QIcon>

class QComboBox;
class QListWidget;
class QWidget;

namespace vasterel::ui {

// Registers the window's pictures and the fonts that stand in for the program's two families where the
// system lacks them. Called once, before any font is asked for.
void InstallePolices();

// The reports' fixed-pitch font.
extern const char *const PoliceFixe;

// The window's font (PoliceFederale, "Tahoma") and the reports' fixed-pitch font, at a character height in
// pixels.
QFont PoliceFenetre(int pixels);
QFont PoliceRapports(int pixels);

// Gives the control the font, or the same family a little smaller when its text would not fit.
void AjustePolice(QWidget *w, QFont police);
void AjustePoliceListe(QListWidget *liste, QFont police);
void AjustePoliceListe(QComboBox *liste, QFont police);

// One of the pictures of the buttons, by name.
QIcon Icone(const char *nom);

} // namespace vasterel::ui
