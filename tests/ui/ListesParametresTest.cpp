// The editor's lists: the value behind each item and the item that shows a stored value, row by row.

#include "ui/ListesParametres.h"

#include <QTest>

using namespace vasterel::ui;

class ListesParametresTest : public QObject {
    Q_OBJECT
  private slots:
    void items_data();
    void items();
    void valeurVersIndex_data();
    void valeurVersIndex();
    void allerRetour();
};

void ListesParametresTest::items_data() {
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QStringList>("textes");
    QTest::addColumn<QList<float>>("valeurs");
    const QStringList demis{" 0", " 0.5", " 1"};
    const QList<float> valeursDemis{0, 0.5f, 1};
    for (int ligne : {1, 4, 6, 8, 15, 16})
        QTest::addRow("half steps, row %d", ligne) << ligne << demis << valeursDemis;
    // The last item of the length row stands for 2, not 1.5.
    QTest::newRow("length, row 5") << 5 << QStringList{" 0", " 0.5", " 1", " 2"}
                                   << QList<float>{0, 0.5f, 1, 2};
    for (int ligne : {9, 11, 23, 24, 25})
        QTest::addRow("malus, row %d", ligne)
            << ligne << QStringList{"-1", "-0.5", " 0"} << QList<float>{-1, -0.5f, 0};
    for (int ligne : {12, 14})
        QTest::addRow("whole points, row %d", ligne)
            << ligne << QStringList{" 0", " 1", " 2", " 3", " 4"} << QList<float>{0, 1, 2, 3, 4};
    for (int ligne : {17, 19, 22})
        QTest::addRow("fit, row %d", ligne)
            << ligne << QStringList{"-4", "-3", "-2", "-1", " 0", " 1", " 2", " 3", " 4"}
            << QList<float>{-4, -3, -2, -1, 0, 1, 2, 3, 4};
}

void ListesParametresTest::items() {
    QFETCH(int, ligne);
    QFETCH(QStringList, textes);
    QFETCH(QList<float>, valeurs);
    QStringList lus;
    for (const std::string &t : ItemsDeLigne(ligne))
        lus << QString::fromStdString(t);
    QCOMPARE(lus, textes);
    for (int i = 0; i < valeurs.size(); ++i)
        QCOMPARE(ChercheValeurDepuisIndex(i, ligne), valeurs[i]);
}

void ListesParametresTest::valeurVersIndex_data() {
    QTest::addColumn<int>("ligne");
    QTest::addColumn<float>("valeur");
    QTest::addColumn<int>("index");
    // Halves go to the even neighbour.
    QTest::newRow("row 1: 0.25 shows 0") << 1 << 0.25f << 0;
    QTest::newRow("row 1: 0.75 shows 1") << 1 << 0.75f << 2;
    QTest::newRow("row 13: 1.5 shows 2") << 13 << 1.5f << 2;
    QTest::newRow("row 13: 2.5 shows 2") << 13 << 2.5f << 2;
    QTest::newRow("row 5: 2 is the last item") << 5 << 2.0f << 3;
    QTest::newRow("row 5: 7 is the last item") << 5 << 7.0f << 3;
    QTest::newRow("row 24: -0.5") << 24 << -0.5f << 1;
    QTest::newRow("row 10: any other malus shows -1") << 10 << -2.0f << 0;
    QTest::newRow("row 20: -2.5 shows -2") << 20 << -2.5f << 2;
    // Only a hand-edited file holds these; the window shows them apart.
    QTest::newRow("row 1: 3 is past the list") << 1 << 3.0f << 6;
    QTest::newRow("row 12: -1 is before the list") << 12 << -1.0f << -1;
}

void ListesParametresTest::valeurVersIndex() {
    QFETCH(int, ligne);
    QFETCH(float, valeur);
    QFETCH(int, index);
    QCOMPARE(ChercheIndexDepuisValeur(valeur, ligne), index);
}

void ListesParametresTest::allerRetour() {
    // Every item's value shows that same item again, on every row.
    for (int ligne = 1; ligne <= 25; ++ligne) {
        const int n = static_cast<int>(ItemsDeLigne(ligne).size());
        for (int i = 0; i < n; ++i)
            QVERIFY2(ChercheIndexDepuisValeur(ChercheValeurDepuisIndex(i, ligne), ligne) == i,
                     qPrintable(QString("row %1 item %2").arg(ligne).arg(i)));
    }
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ItemsDeLigne(26));
}

QTEST_APPLESS_MAIN(ListesParametresTest)
#include "ListesParametresTest.moc"
