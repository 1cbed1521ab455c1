// vasterel: the window.

#include "hand/VariablesGlobales.h"
#include "ui/FenetrePrincipale.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char **argv) {
    vasterel::InitialiseTables();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vasterel");
    vasterel::ui::FenetrePrincipale fenetre;
    // The layout follows the window's size; it starts with the whole screen, as it was drawn for.
    fenetre.setGeometry(fenetre.screen()->availableGeometry());
    fenetre.showMaximized();
    return QApplication::exec();
}
