// The window's layout for the two screen sizes the program is looked at on: everything inside the window,
// nothing on top of anything else, and the report area where each kind of report puts it.

#include "ui/Disposition.h"

#include <QTest>

#include <vector>

using namespace vasterel::ui;

namespace {

bool Dedans(const Rect &r, int w, int h) {
    return r.x >= 0 && r.y >= 0 && r.droite() <= w && r.bas() <= h;
}
bool Chevauche(const Rect &a, const Rect &b) {
    return a.x < b.droite() && b.x < a.droite() && a.y < b.bas() && b.y < a.bas();
}
QString Texte(const Rect &r) {
    return QString("(%1,%2 %3x%4)").arg(r.x).arg(r.y).arg(r.w).arg(r.h);
}

} // namespace

class DispositionTest : public QObject {
    Q_OBJECT
  private slots:
    void ecran_data();
    void sansChevauchement();
    void sansChevauchement_data() { ecran_data(); }
    void rapport();
    void rapport_data() { ecran_data(); }
};

void DispositionTest::ecran_data() {
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("hauteur");
    QTest::newRow("1024x768") << 1024 << 768;
    QTest::newRow("1920x1080") << 1920 << 1080;
    QTest::newRow("1280x1024") << 1280 << 1024;
    QTest::newRow("1366x700") << 1366 << 700; // a maximised window under a task bar
}

void DispositionTest::sansChevauchement() {
    QFETCH(int, largeur);
    QFETCH(int, hauteur);
    const Disposition d(largeur, hauteur);
    std::vector<std::pair<QString, Rect>> controles{{"title", d.Titre()},
                                                    {"intro", d.Introduction()},
                                                    {"french", d.Langue(1)},
                                                    {"english", d.Langue(2)},
                                                    {"report", d.RapportAuRepos(false)}};
    for (int c = 1; c <= NColonnes; ++c) {
        controles.push_back({QString("header %1").arg(c), d.Entete(c)});
        controles.push_back({QString("scale %1").arg(c), d.ListeCompte(c)});
        for (int u = 1; u <= NParametres; ++u) {
            controles.push_back({QString("label %1/%2").arg(c).arg(u), d.Etiquette(c, u)});
            controles.push_back({QString("list %1/%2").arg(c).arg(u), d.Liste(c, u)});
        }
    }
    for (int b = 1; b <= 8; ++b)
        controles.push_back({QString("button %1").arg(b), d.Commande(b)});
    for (const auto &[nom, r] : controles) {
        QVERIFY2(r.w > 0 && r.h > 0, qPrintable(nom + Texte(r)));
        QVERIFY2(Dedans(r, largeur, hauteur), qPrintable(nom + Texte(r)));
    }
    for (size_t i = 0; i < controles.size(); ++i)
        for (size_t j = i + 1; j < controles.size(); ++j)
            QVERIFY2(!Chevauche(controles[i].second, controles[j].second),
                     qPrintable(controles[i].first + Texte(controles[i].second) + " over " +
                                controles[j].first + Texte(controles[j].second)));
    // The wider resting place after a report still fits.
    QVERIFY(Dedans(d.RapportAuRepos(true), largeur, hauteur));
    // The five groups of rows stand apart: a wider step before rows 9, 12 and 23.
    const int pas = d.Etiquette(1, 2).y - d.Etiquette(1, 1).y;
    for (int u : {9, 12, 23})
        QVERIFY(d.Etiquette(1, u).y - d.Etiquette(1, u - 1).y > pas);
    QVERIFY(d.Etiquette(1, 12).y - d.Etiquette(1, 11).y > d.Etiquette(1, 9).y - d.Etiquette(1, 8).y);
}

void DispositionTest::rapport() {
    QFETCH(int, largeur);
    QFETCH(int, hauteur);
    const Disposition d(largeur, hauteur);
    const Rect repos = d.RapportAuRepos(false);
    QVERIFY(d.RapportAuRepos(true).w > repos.w);
    QCOMPARE(d.RapportAuRepos(true).x, repos.x);
    // One margin from the introduction, as the introduction stands one margin from the third column.
    QVERIFY(qAbs((repos.x - d.Introduction().droite()) - (d.Introduction().x - d.Liste(3, 1).droite())) <= 1);

    for (GenreRapport g : {GenreRapport::Tableaux, GenreRapport::Valeurs, GenreRapport::Aide}) {
        const Rect r = d.RapportOuvert(g), barre = d.Barre(g), retour = d.Retour(g),
                   avance = d.Progression(g);
        const int colonne = g == GenreRapport::Tableaux ? 3 : 2;
        // It covers everything right of its column: the lists of that column stay visible.
        QVERIFY(barre.x > d.Liste(colonne, 1).droite());
        QCOMPARE(r.x, barre.droite());
        QVERIFY(r.y < repos.y && r.y == d.Entete(1).y);
        QVERIFY(Dedans(r, largeur, hauteur));
        // Its bottom stays close to the resting bottom and clear of the command buttons.
        QVERIFY(r.bas() >= repos.bas() && r.bas() < d.Commande(1).y);
        QCOMPARE(barre.h, r.h);
        QVERIFY(Dedans(retour, r.droite(), r.bas()) && retour.x > r.x);
        QVERIFY(Dedans(avance, r.droite(), r.bas()) && avance.x > r.x);
        if (colonne == 2)
            QVERIFY(Chevauche(r, d.Introduction()) && Chevauche(r, d.Liste(3, 1)));
        else
            QVERIFY(!Chevauche(r, d.Liste(3, 1)) && Chevauche(r, d.Introduction()));
    }
}

QTEST_APPLESS_MAIN(DispositionTest)
#include "DispositionTest.moc"
