// The window as a user drives it, headless: its texts in both languages, the editor and the parameter
// records, the exclusive check marks of the high-card scale, and commands writing through the window.
// Dialogs are answered by a script, so every prompt, message and confirmation is seen by the test.

#include "evaluation/FonctionsOrlune.h"
#include "hand/VariablesGlobales.h"
#include "runs/Commandes.h"
#include "ui/FenetrePrincipale.h"
#include "ui/ListesParametres.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>

using namespace vasterel;
using namespace vasterel::ui;

namespace {

// Answers the window's dialogs from a script and remembers what they showed.
struct Script : Dialogues {
    std::deque<std::string> reponses;
    std::deque<bool> confirmations;
    QStringList questions, messages, confirmes;

    std::string Demande(const std::string &, const std::string &question,
                        const std::string &defaut) override {
        questions << QString::fromStdString(question);
        if (reponses.empty()) return defaut;
        std::string r = reponses.front();
        reponses.pop_front();
        return r;
    }
    void Message(const std::string &texte) override { messages << QString::fromStdString(texte); }
    bool Confirme(const std::string &, const std::string &texte) override {
        confirmes << QString::fromStdString(texte);
        if (confirmations.empty()) return false;
        const bool r = confirmations.front();
        confirmations.pop_front();
        return r;
    }
};

QString Texte(const QWidget *w) {
    if (auto *l = qobject_cast<const QLabel *>(w)) return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(w)) return b->text();
    if (auto *m = qobject_cast<const QPlainTextEdit *>(w)) return m->toPlainText().section('\n', 0, 0);
    return {};
}

} // namespace

class FenetreTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { InitialiseTables(); }
    void init();
    void cleanup();

    void textes_data();
    void textes();
    void langueGardeLesCoches();
    void listeVersCompte_data();
    void listeVersCompte();
    void compteVersListe_data();
    void compteVersListe();
    void cochesExclusives_data();
    void cochesExclusives();
    void aideEtRetour();
    void rapportEnPoliceFixe();
    void modifier();
    void evaluationHorsDuFilDeLaFenetre();
    void annulation();
    void tableauDesSurencheres_data();
    void tableauDesSurencheres();
    void enregistrementEtRechargement();
    void fichierIllisibleAuDemarrage();
    // Last: once the application was told to exit, no event loop runs again in this process.
    void quitter();

  private:
    void Cree();
    template <class T = QWidget> T *Controle(const QString &nom) {
        T *w = fenetre_->findChild<T *>(nom);
        if (!w) qFatal("no control %s", qPrintable(nom));
        return w;
    }
    void Clique(const QString &bouton) { Controle<QAbstractButton>(bouton)->click(); }

    std::unique_ptr<QTemporaryDir> donnees_;
    Script *script_ = nullptr;
    std::unique_ptr<FenetrePrincipale> fenetre_;
};

void FenetreTest::init() {
    // Each test starts from a new data directory, the SEF defaults and empty personal systems.
    donnees_ = std::make_unique<QTemporaryDir>();
    qputenv("appData", donnees_->path().toLocal8Bit());
    ComptePoints[2] = TCompte{};
    ComptePoints[3] = TCompte{};
    Cree();
}

void FenetreTest::Cree() {
    auto script = std::make_unique<Script>();
    script_ = script.get();
    fenetre_.reset();
    fenetre_ = std::make_unique<FenetrePrincipale>(std::move(script));
    fenetre_->resize(1024, 768);
    fenetre_->show();
    QVERIFY(QTest::qWaitForWindowExposed(fenetre_.get()));
}

void FenetreTest::cleanup() {
    fenetre_.reset();
    G_Langue = "francais";
}

void FenetreTest::textes_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("francais");
    QTest::addColumn<QString>("anglais");
    QTest::newRow("title") << "ET1"
                           << " Choix des paramètres de calcul des points"
                           << " Choice of points computing parameters";
    QTest::newRow("SEF") << "ET2"
                         << " système SEF"
                         << " System SEF";
    QTest::newRow("B") << "ET4"
                       << " système personnel B"
                       << " System personnel B";
    QTest::newRow("row 1") << "LA1_1"
                           << " Bonus ARD ARV ADV RDV"
                           << " Bonus AKQ AKJ AQJ KQJ";
    QTest::newRow("row 11") << "LA2_11"
                            << " Malus 3 perdantes immédiates"
                            << " Malus 3  immediate losers";
    QTest::newRow("row 25") << "LA3_25"
                            << " Malus fit exact sans honneur"
                            << " Malus fit exact without HC";
    QTest::newRow("return") << "Button1"
                            << " Retour"
                            << " Retour";
    QTest::newRow("help") << "SpeedButton1"
                          << " Présentation"
                          << " Presentation";
    QTest::newRow("values") << "SpeedButton5"
                            << " Valeurs d'un système"
                            << " Dispay the values of a count";
    QTest::newRow("quit") << "SpeedButton8"
                          << " Quitter"
                          << " Quit";
    QTest::newRow("introduction")
        << "Memo1"
        << "  Vous pouvez évaluer six systèmes de compte de points différents sur un nombre convenu de "
           "donnes "
           "aléatoires. Notez qu'au-delà de 100 000 donnes il n'y a plus d'amélioration significative des "
           "résultats."
        << "  You can value six systems of points count with a number of random deals that you choose. "
           "(Beyond "
           "100 000 deals there is no more improvement of results.)";
}

void FenetreTest::textes() {
    QFETCH(QString, nom);
    QFETCH(QString, francais);
    QFETCH(QString, anglais);
    QWidget *w = Controle(nom);
    const QString bulle = Controle("LA1_9")->toolTip();
    QCOMPARE(Texte(w), francais); // at start-up
    Clique("SpeedButton10");
    QCOMPARE(Texte(w), anglais);
    QCOMPARE(fenetre_->windowTitle(), QString("Choix et évaluation des paramètres de calcul des points"));
    Clique("SpeedButton9");
    QCOMPARE(Texte(w), francais);
    // The hints are the same French texts in both languages.
    QCOMPARE(bulle, QString(" -1 point pour RD, RV, DV ou R D V sec"));
    QCOMPARE(Controle("LA1_9")->toolTip(), bulle);
}

void FenetreTest::langueGardeLesCoches() {
    // Column 1 counts Milton Work (SEF default), column 2 Zar, column 3 neither.
    ComptePoints[2].PHO = 'Z';
    fenetre_->Initialise();
    const QList<QList<Qt::CheckState>> attendu{
        {Qt::Checked, Qt::Unchecked}, {Qt::Unchecked, Qt::Checked}, {Qt::Unchecked, Qt::Unchecked}};
    for (const char *bouton : {"SpeedButton10", "SpeedButton9", "SpeedButton10"}) {
        Clique(bouton);
        const bool anglais = QString(bouton) == "SpeedButton10";
        for (int c = 1; c <= 3; ++c) {
            auto *clb = Controle<QListWidget>(QString("CLB%1").arg(c));
            QCOMPARE(clb->count(), 2);
            QCOMPARE(clb->item(0)->text(), anglais ? QString(" PHo count Milton Work   4    3  2    1")
                                                   : QString(" PHo compte Milton Work   4    3  2    1"));
            QCOMPARE(clb->item(1)->text(), anglais ? QString(" PHo count Zar Tessik    4.5  3  1.5  0.5")
                                                   : QString(" PHo compte Zar Tessik    4.5  3  1.5  0.5"));
            QCOMPARE((QList<Qt::CheckState>{clb->item(0)->checkState(), clb->item(1)->checkState()}),
                     attendu[c - 1]);
        }
    }
    QCOMPARE(ComptePoints[1].PHO, 'M');
    QCOMPARE(ComptePoints[2].PHO, 'Z');
}

void FenetreTest::listeVersCompte_data() {
    QTest::addColumn<int>("colonne");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("valeur");
    QTest::newRow("row 1, half") << 2 << 1 << 1 << 0.5f;
    QTest::newRow("row 5, last item is 2") << 1 << 5 << 3 << 2.0f;
    QTest::newRow("row 10, malus") << 3 << 10 << 0 << -1.0f;
    QTest::newRow("row 24, half malus") << 2 << 24 << 1 << -0.5f;
    QTest::newRow("row 13, whole") << 3 << 13 << 4 << 4.0f;
    QTest::newRow("row 17, fit -4") << 2 << 17 << 0 << -4.0f;
    QTest::newRow("row 22, fit +4") << 1 << 22 << 8 << 4.0f;
}

void FenetreTest::listeVersCompte() {
    QFETCH(int, colonne);
    QFETCH(int, ligne);
    QFETCH(int, index);
    QFETCH(float, valeur);
    const TCompte avant = ComptePoints[colonne];
    auto *cb = Controle<QComboBox>(QString("CB%1_%2").arg(colonne).arg(ligne));
    // What a choice in the drop-down part does.
    cb->setCurrentIndex(index);
    emit cb->activated(index);
    QCOMPARE(ComptePoints[colonne].Ligne(ligne), valeur);
    for (int u = 1; u <= 25; ++u)
        if (u != ligne) QCOMPARE(ComptePoints[colonne].Ligne(u), avant.Ligne(u));
    for (int c = 1; c <= 3; ++c)
        if (c != colonne) QCOMPARE(ComptePoints[c].Ligne(ligne), c == 1 ? ValeursSEF().Ligne(ligne) : 0.0f);
}

void FenetreTest::compteVersListe_data() {
    QTest::addColumn<int>("ligne");
    QTest::addColumn<float>("valeur");
    QTest::addColumn<QString>("montre");
    QTest::newRow("row 13: 1.5 shows 2") << 13 << 1.5f << " 2";
    QTest::newRow("row 1: 0.25 shows 0") << 1 << 0.25f << " 0";
    QTest::newRow("row 1: 0.75 shows 1") << 1 << 0.75f << " 1";
    QTest::newRow("row 5: 2") << 5 << 2.0f << " 2";
    QTest::newRow("row 23: -0.5") << 23 << -0.5f << "-0.5";
    QTest::newRow("row 18: -3") << 18 << -3.0f << "-3";
    QTest::newRow("row 1: 3 is shown as it is") << 1 << 3.0f << " 3";
    QTest::newRow("row 14: -2 is shown as it is") << 14 << -2.0f << "-2";
}

void FenetreTest::compteVersListe() {
    QFETCH(int, ligne);
    QFETCH(float, valeur);
    QFETCH(QString, montre);
    ComptePoints[3].Ligne(ligne) = valeur;
    fenetre_->Initialise();
    auto *cb = Controle<QComboBox>(QString("CB3_%1").arg(ligne));
    QCOMPARE(cb->currentIndex() >= 0 ? cb->currentText() : cb->placeholderText(), montre);
    // Showing a value never changes it.
    QCOMPARE(ComptePoints[3].Ligne(ligne), valeur);
    // A value shown apart is replaced by the user's next choice.
    cb->setCurrentIndex(0);
    emit cb->activated(0);
    QCOMPARE(ComptePoints[3].Ligne(ligne), ChercheValeurDepuisIndex(0, ligne));
    QCOMPARE(cb->currentText(), cb->itemText(0));
}

void FenetreTest::cochesExclusives_data() {
    QTest::addColumn<char>("lettre");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("coche");
    QTest::addColumn<QList<bool>>("coches");
    QTest::addColumn<char>("apres");
    QTest::newRow("Zar over Milton Work") << 'M' << 1 << true << QList<bool>{false, true} << 'Z';
    QTest::newRow("Milton Work over Zar") << 'Z' << 0 << true << QList<bool>{true, false} << 'M';
    QTest::newRow("first choice") << '\0' << 0 << true << QList<bool>{true, false} << 'M';
    QTest::newRow("unchecking the only one") << 'M' << 0 << false << QList<bool>{false, false} << 'M';
    QTest::newRow("unchecking Zar") << 'Z' << 1 << false << QList<bool>{false, false} << 'Z';
}

void FenetreTest::cochesExclusives() {
    QFETCH(char, lettre);
    QFETCH(int, item);
    QFETCH(bool, coche);
    QFETCH(QList<bool>, coches);
    QFETCH(char, apres);
    ComptePoints[2].PHO = lettre;
    fenetre_->Initialise();
    auto *clb = Controle<QListWidget>("CLB2");
    // A click on the item's check box.
    clb->item(item)->setCheckState(coche ? Qt::Checked : Qt::Unchecked);
    QCOMPARE(
        (QList<bool>{clb->item(0)->checkState() == Qt::Checked, clb->item(1)->checkState() == Qt::Checked}),
        coches);
    QCOMPARE(ComptePoints[2].PHO, apres);
    QCOMPARE(ComptePoints[1].PHO, 'M');
    QCOMPARE(clb->selectedItems().size(), 0);
}

void FenetreTest::aideEtRetour() {
    auto *rapport = Controle<QPlainTextEdit>("Memo2");
    const QRect repos = rapport->geometry();
    Clique("SpeedButton1");
    QVERIFY(rapport->toPlainText().contains(" Avec cette application vous pouvez :"));
    QVERIFY(rapport->toPlainText().contains("README"));
    QVERIFY(Controle("Label1")->isVisible() && Controle("Button1")->isVisible());
    // The help covers everything right of the second column.
    const QRect aide = rapport->geometry();
    QVERIFY(aide.left() > Controle("CB2_1")->geometry().right() && aide.left() < Controle("CB3_1")->x());
    QVERIFY(aide.top() < repos.top() && aide.width() > repos.width());

    // Another report replaces it; a report does not change language once written.
    Clique("SpeedButton10");
    QVERIFY(rapport->toPlainText().contains(" Avec cette application vous pouvez :"));
    Clique("SpeedButton1");
    QVERIFY(rapport->toPlainText().contains(" With this software you can :"));
    QVERIFY(!rapport->toPlainText().contains(" Avec cette application"));
    QCOMPARE(rapport->geometry(), aide);

    Clique("Button1");
    QVERIFY(rapport->toPlainText().isEmpty());
    QVERIFY(!Controle("Label1")->isVisible() && !Controle("Button1")->isVisible());
    QCOMPARE(rapport->x(), repos.x());
    QCOMPARE(rapport->geometry().top(), repos.top());
    QVERIFY(rapport->width() > repos.width()); // a little wider than at start-up
}

void FenetreTest::rapportEnPoliceFixe() {
    // Result tables and stored values (what the commands open at their start) are in a fixed-pitch font
    // whatever fonts the system has, and keep their columns.
    auto *rapport = Controle<QPlainTextEdit>("Memo2");
    for (int genre : {1, 2}) {
        fenetre_->ChangeMemoValeurs(genre);
        QVERIFY(QFontInfo(rapport->font()).fixedPitch());
        QCOMPARE(rapport->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(Controle("Label1")->isVisible() && Controle("Button1")->isVisible());
    }
    // The tables of kind 1 cover everything right of the third column.
    fenetre_->ChangeMemoValeurs(1);
    QVERIFY(rapport->x() > Controle("CB3_1")->geometry().right());
}

void FenetreTest::modifier() {
    Clique("SpeedButton2");
    QCOMPARE(
        script_->messages,
        QStringList{" Modifiez à votre guise les valeurs des paramètres dans la colonne de votre choix."});
    Clique("SpeedButton10");
    Clique("SpeedButton2");
    QCOMPARE(script_->messages.last(),
             QString(" Modify the parameters values in the column of your choice."));
}

void FenetreTest::evaluationHorsDuFilDeLaFenetre() {
    // The prompts come from the worker and are answered on the window's thread; while the run goes on, the
    // editor and the other commands wait, so it counts with the parameters it started with.
    script_->reponses = {"1", "1"};
    script_->confirmations = {true};
    QSignalSpy fin(fenetre_.get(), &FenetrePrincipale::calculTermine);
    Clique("SpeedButton6");
    QVERIFY(fenetre_->CalculEnCours());
    for (const char *nom : {"CB1_1", "CLB2", "SpeedButton3", "SpeedButton5", "SpeedButton8", "SpeedButton10"})
        QVERIFY2(!Controle(nom)->isEnabled(), nom);
    QVERIFY(fin.wait(120000));
    QCOMPARE(script_->questions.size(), 2);
    QCOMPARE(script_->confirmes.size(), 1);
    QVERIFY(script_->messages.isEmpty());
    auto *rapport = Controle<QPlainTextEdit>("Memo2");
    QVERIFY(rapport->toPlainText().contains(" % de donnes réussies à SA à n+ trics avec x PHo"));
    QVERIFY(Controle("CB1_1")->isEnabled() && Controle("SpeedButton8")->isEnabled());
    QVERIFY(!Controle("Progression")->isVisible() && Controle("Button1")->isVisible());
    QVERIFY(QFileInfo::exists(donnees_->filePath("Evaluation_des_mains/ValeursDesComptesDePoints.txt")));

    // The stored values of the system just evaluated, and the message for a system never evaluated.
    script_->reponses = {"1"};
    Clique("SpeedButton5");
    QVERIFY(rapport->toPlainText().contains("   Valeurs du système "));
    QVERIFY(rapport->toPlainText().contains(" calculées sur un échantillon de 1"));
    script_->reponses = {"4"};
    Clique("SpeedButton5");
    QCOMPARE(script_->messages,
             QStringList{" Vous n'avez pas encore évalué ce système, vous n'avez aucune valeur pour lui"});
}

void FenetreTest::annulation() {
    script_->reponses = {"4", "100000"};
    script_->confirmations = {true};
    QSignalSpy fin(fenetre_.get(), &FenetrePrincipale::calculTermine);
    Clique("SpeedButton6");
    // Cancel is offered from the start of the run, before the first deal is done.
    QTRY_VERIFY_WITH_TIMEOUT(Controle("Progression")->isVisible(), 10000);
    QVERIFY(Controle("Annuler")->isEnabled());
    Clique("Annuler");
    QVERIFY(fin.wait(60000));
    // Nothing is asked and nothing is stored; the window says so.
    QVERIFY(script_->confirmes.isEmpty());
    QVERIFY(!QFileInfo::exists(donnees_->filePath("Evaluation_des_mains/ValeursDesComptesDePoints.txt")));
    QVERIFY(Controle<QPlainTextEdit>("Memo2")->toPlainText().contains("rien n'a été enregistré"));
    QVERIFY(Controle("SpeedButton6")->isEnabled());
}

void FenetreTest::tableauDesSurencheres_data() {
    QTest::addColumn<bool>("anglais");
    QTest::addColumn<QString>("ligne");
    QTest::newRow("fr") << false << "   Contrats en mineure, surenchère non-compétitive";
    QTest::newRow("en") << true << "   Minor contracts, non-competitive bid";
}

void FenetreTest::tableauDesSurencheres() {
    // A command of the core writes its report through the window, in the language of the moment.
    QFETCH(bool, anglais);
    QFETCH(QString, ligne);
    if (anglais) Clique("SpeedButton10");
    Clique("SpeedButton4");
    auto *rapport = Controle<QPlainTextEdit>("Memo2");
    QVERIFY(rapport->toPlainText().split('\n').contains(ligne));
    QVERIFY(QFontInfo(rapport->font()).fixedPitch());
    QVERIFY(rapport->x() > Controle("CB3_1")->geometry().right());
    QVERIFY(script_->messages.isEmpty());
}

void FenetreTest::enregistrementEtRechargement() {
    auto *cb = Controle<QComboBox>("CB2_5");
    cb->setCurrentIndex(3);
    emit cb->activated(3);
    Controle<QListWidget>("CLB2")->item(1)->setCheckState(Qt::Checked);
    // Cancel writes nothing; OK writes the three systems.
    Clique("SpeedButton3");
    const QString fichier = donnees_->filePath("Evaluation_des_mains/ParametresDesComptesDePoints.txt");
    QCOMPARE(script_->confirmes.size(), 1);
    QVERIFY(!QFileInfo::exists(fichier));
    script_->confirmations = {true};
    Clique("SpeedButton3");
    QVERIFY(QFileInfo::exists(fichier));

    // The next start shows what was saved.
    ComptePoints[2] = TCompte{};
    Cree();
    QCOMPARE(ComptePoints[2].Longueur, 2.0f);
    QCOMPARE(ComptePoints[2].PHO, 'Z');
    QCOMPARE(Controle<QComboBox>("CB2_5")->currentText(), QString(" 2"));
    QCOMPARE(Controle<QListWidget>("CLB2")->item(1)->checkState(), Qt::Checked);
    QVERIFY(script_->messages.isEmpty());
}

void FenetreTest::fichierIllisibleAuDemarrage() {
    // A damaged parameters file is reported once at start-up; the window comes up with the values it had.
    QDir(donnees_->path()).mkpath("Evaluation_des_mains");
    QFile f(donnees_->filePath("Evaluation_des_mains/ParametresDesComptesDePoints.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("M\n1\nnot a number\n");
    f.close();
    Cree();
    QCOMPARE(script_->messages.size(), 1);
    QVERIFY(script_->messages[0].contains("ParametresDesComptesDePoints.txt"));
    QCOMPARE(ComptePoints[1].Sequence_RDX_RVX_DVX, 0.5f);
    QCOMPARE(Controle<QComboBox>("CB1_2")->currentText(), QString(" 0.5"));
    QVERIFY(Controle("SpeedButton1")->isEnabled());
}

void FenetreTest::quitter() {
    // Quit ends the event loop at once with status 0, without a question.
    QEventLoop boucle;
    QTimer::singleShot(0, this, [this] { Clique("SpeedButton8"); });
    QTimer::singleShot(5000, &boucle, [&] { boucle.exit(1); });
    QCOMPARE(boucle.exec(), 0);
    QVERIFY(script_->messages.isEmpty() && script_->confirmes.isEmpty() && script_->questions.isEmpty());
}

QTEST_MAIN(FenetreTest)
#include "FenetreTest.moc"
