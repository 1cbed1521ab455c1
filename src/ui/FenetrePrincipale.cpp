#include "ui/FenetrePrincipale.h"

#include "evaluation/FonctionsOrlune.h"
#include "runs/Commandes.h"
#include "ui/Apparence.h"
#include "ui/Dialogues.h"
#include "ui/ListesParametres.h"
#include "ui/Textes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <exception>

namespace vasterel::ui {

namespace {

const QColor CouleurBonus(192, 220, 192);
const QColor CouleurMalus(255, 142, 162);
const QColor Argent(192, 192, 192);
const QColor Marine(0, 0, 128);

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

void Place(QWidget *w, const Rect &r) {
    w->setGeometry(r.x, r.y, r.w, r.h);
}

void Fond(QWidget *w, QPalette::ColorRole role, const QColor &couleur) {
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The pictures of the command buttons, then French and English.
const char *const Icones[10] = {"presentation", "modifier", "enregistrer", "surencheres", "valeurs",
                                "evaluer",      "comparer", "quitter",     "francais",    "anglais"};

QString Duree(double secondes) {
    const long s = std::lround(secondes);
    return s >= 3600 ? QString("%1:%2:%3")
                           .arg(s / 3600)
                           .arg(s / 60 % 60, 2, 10, QChar('0'))
                           .arg(s % 60, 2, 10, QChar('0'))
                     : QString("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QChar('0'));
}

} // namespace

FenetrePrincipale::FenetrePrincipale(std::unique_ptr<Dialogues> dialogues, QWidget *parent)
    : QWidget(parent), dialogues_(dialogues ? std::move(dialogues) : std::make_unique<DialoguesQt>(this)),
      frontEnd_(*this) {
    setObjectName("Form1");
    setWindowTitle(QString::fromUtf8(TitreFenetre));
    InstallePolices();
    Fond(this, QPalette::Window, palette().color(QPalette::ToolTipBase));
    // The editor's lists are narrow: a small arrow and no padding leave their width to the values, and a
    // small check box leaves the scale lists' width to their texts.
    setStyleSheet("QComboBox { border: 1px solid #7a7a7a; padding: 0px 0px 0px 1px; background: white; }"
                  "QComboBox:disabled { background: #ececec; color: #808080; }"
                  "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: center right;"
                  " width: 9px; border: none; }"
                  "QComboBox::down-arrow { image: url(:/icones/fleche.svg); width: 7px; height: 5px; }"
                  "QListWidget::item { padding: 0px; margin: 0px; }");

    Demarrage(frontEnd_);

    CreeFicheDynamique();
    G_Langue = "francais";
    FaitLangue();
    Initialise();
}

FenetrePrincipale::~FenetrePrincipale() {
    ArreteCalcul();
}

// Stops a run and waits for it. The worker may be waiting for the window to write a line: the window keeps
// serving it until it has stopped.
void FenetrePrincipale::ArreteCalcul() {
    if (!calcul_) return;
    frontEnd_.Annule();
    while (calcul_ && !calcul_->wait(QDeadlineTimer(20)))
        QCoreApplication::processEvents();
}

void FenetrePrincipale::CreeFicheDynamique() {
    for (int i = 0; i < 4; ++i) {
        et_[i] = new QLabel(this);
        et_[i]->setObjectName(QString("ET%1").arg(i + 1));
    }
    for (int c = 1; c <= NColonnes; ++c) {
        QListWidget *clb = new QListWidget(this);
        clb->setObjectName(QString("CLB%1").arg(c));
        clb->setSelectionMode(QAbstractItemView::NoSelection);
        clb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        clb->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        clb->setFrameShape(QFrame::Box);
        clb->setFrameShadow(QFrame::Plain);
        Fond(clb, QPalette::Base, CouleurBonus);
        for (int i = 0; i < 2; ++i) {
            auto *item = new QListWidgetItem(clb);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        connect(clb, &QListWidget::itemChanged, this,
                [this, c](QListWidgetItem *item) { ChoixCompte(c, item); });
        clb_[c - 1] = clb;

        for (int u = 1; u <= NParametres; ++u) {
            QLabel *la = new QLabel(this);
            la->setObjectName(QString("LA%1_%2").arg(c).arg(u));
            la->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            Fond(la, QPalette::Window, EstLigneMalus(u) ? CouleurMalus : CouleurBonus);
            la_[c - 1][u - 1] = la;

            QComboBox *cb = new QComboBox(this);
            cb->setObjectName(QString("CB%1_%2").arg(c).arg(u));
            for (const std::string &texte : ItemsDeLigne(u))
                cb->addItem(Q(texte));
            // Only a choice in the drop-down part changes the record, never a value shown by Initialise.
            connect(cb, &QComboBox::activated, this, [this, c, u](int index) { ChoixListe(c, u, index); });
            cb_[c - 1][u - 1] = cb;
        }
    }

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName("Memo1");
    memo1_->setReadOnly(true);

    memo2_ = new QPlainTextEdit(this);
    memo2_->setObjectName("Memo2");
    memo2_->setReadOnly(true);
    {
        QPalette p = memo2_->palette();
        p.setColor(QPalette::Base, Argent);
        p.setColor(QPalette::Text, Marine);
        memo2_->setPalette(p);
    }

    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    Fond(label1_, QPalette::Window, Argent);
    label1_->hide();

    button1_ = new QPushButton(this);
    button1_->setObjectName("Button1");
    button1_->hide();
    connect(button1_, &QPushButton::clicked, this, &FenetrePrincipale::Retourne);

    for (int i = 0; i < 10; ++i) {
        QToolButton *b = new QToolButton(this);
        b->setObjectName(QString("SpeedButton%1").arg(i + 1));
        b->setIcon(Icone(Icones[i]));
        b->setToolButtonStyle(i < 8 ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
        b->setAutoRaise(false);
        speedButtons_[i] = b;
    }
    speedButtons_[8]->setToolTip("Français");
    speedButtons_[9]->setToolTip("English");

    const std::array<std::function<void()>, 10> actions{
        [this] { AidePoints(); },
        [this] { Modifier(); },
        [this] { Execute(EnregistreVasterel); },
        [this] { Execute(TableauEncheres); },
        [this] { Execute(AfficheValeurs); },
        [this] { Evalue(); },
        [this] { Execute(ComparaisonSystemes); },
        [this] { Quitter(); },
        [this] {
            G_Langue = "francais";
            FaitLangue();
        },
        [this] {
            G_Langue = "anglais";
            FaitLangue();
        },
    };
    for (int i = 0; i < 10; ++i)
        connect(speedButtons_[i], &QToolButton::clicked, this, actions[i]);

    progression_ = new QFrame(this);
    progression_->setObjectName("Progression");
    progression_->setFrameShape(QFrame::StyledPanel);
    progression_->setAutoFillBackground(true);
    auto *ligne = new QHBoxLayout(progression_);
    ligne->setContentsMargins(4, 2, 4, 2);
    barre_ = new QProgressBar(progression_);
    barre_->setObjectName("BarreProgression");
    barre_->setFormat("%v / %m");
    tempsRestant_ = new QLabel(progression_);
    tempsRestant_->setObjectName("TempsRestant");
    annuler_ = new QPushButton(progression_);
    annuler_->setObjectName("Annuler");
    ligne->addWidget(barre_, 1);
    ligne->addWidget(tempsRestant_);
    ligne->addWidget(annuler_);
    connect(annuler_, &QPushButton::clicked, this, [this] {
        frontEnd_.Annule();
        annuler_->setEnabled(false);
    });
    progression_->hide();

    minuterie_ = new QTimer(this);
    minuterie_->setInterval(200);
    connect(minuterie_, &QTimer::timeout, this, &FenetrePrincipale::MontreAvancement);

    Dispose();
}

void FenetrePrincipale::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    Dispose();
}

// Places every control for the window's present size.
void FenetrePrincipale::Dispose() {
    if (!memo2_) return;
    const Disposition d(width(), height());
    Place(et_[0], d.Titre());
    for (int c = 1; c <= NColonnes; ++c) {
        Place(et_[c], d.Entete(c));
        Place(clb_[c - 1], d.ListeCompte(c));
        for (int u = 1; u <= NParametres; ++u) {
            Place(la_[c - 1][u - 1], d.Etiquette(c, u));
            Place(cb_[c - 1][u - 1], d.Liste(c, u));
        }
    }
    for (int i = 1; i <= 8; ++i)
        Place(speedButtons_[i - 1], d.Commande(i));
    Place(memo1_, d.Introduction());
    Place(speedButtons_[8], d.Langue(1));
    Place(speedButtons_[9], d.Langue(2));
    for (int i = 8; i < 10; ++i) {
        const int cote = std::min(speedButtons_[i]->width(), speedButtons_[i]->height()) * 3 / 4;
        speedButtons_[i]->setIconSize(QSize(cote * 4 / 3, cote));
    }
    const int icone = d.Commande(1).h * 3 / 5;
    for (int i = 0; i < 8; ++i)
        speedButtons_[i]->setIconSize(QSize(icone, icone));

    PlaceRapport(d);
    AppliquePolices(d);
}

// The report area, its bar, its return button and the progress line, for the kind of report shown.
void FenetrePrincipale::PlaceRapport(const Disposition &d) {
    if (genreRapport_ == 0) {
        Place(memo2_, d.RapportAuRepos(reposLarge_));
        memo2_->setFont(PoliceFenetre(d.Police(9)));
        return;
    }
    const auto genre = static_cast<GenreRapport>(genreRapport_);
    Place(memo2_, d.RapportOuvert(genre));
    Place(label1_, d.Barre(genre));
    Place(button1_, d.Retour(genre));
    Place(progression_, d.Progression(genre));
    memo2_->setFont(genre == GenreRapport::Aide ? PoliceFenetre(d.Police(12)) : PoliceRapports(d.Police(9)));
}

// Fonts at the design's character heights, scaled to the window. A text that would not fit its control in
// the font found on this system is drawn a little smaller rather than cut.
void FenetrePrincipale::AppliquePolices(const Disposition &d) {
    AjustePolice(et_[0], PoliceFenetre(d.Police(18)));
    for (int c = 1; c <= NColonnes; ++c) {
        AjustePolice(et_[c], PoliceFenetre(d.Police(14)));
        const int coche = d.Police(10);
        clb_[c - 1]->setStyleSheet(
            QString("QListWidget::indicator { width: %1px; height: %1px; }").arg(coche));
        AjustePoliceListe(clb_[c - 1], PoliceFenetre(d.Police(10)));
        for (int u = 1; u <= NParametres; ++u) {
            AjustePolice(la_[c - 1][u - 1], PoliceFenetre(d.Police(10)));
            AjustePoliceListe(cb_[c - 1][u - 1], PoliceFenetre(d.Police(10)));
        }
    }
    AjustePolice(button1_, PoliceFenetre(d.Police(12)));
    for (int i = 0; i < 8; ++i)
        AjustePolice(speedButtons_[i], PoliceFenetre(d.Police(15)));
    memo1_->setFont(PoliceFenetre(d.Police(9)));
    progression_->setFont(PoliceFenetre(d.Police(10)));
}

void FenetrePrincipale::FaitLangue() {
    PoliceFederale = "Tahoma";
    TM_FaitLegendesComptePoints();
    TM_FaitPointsHints();
    const auto &L = LegendesComptePoints;
    for (int i = 0; i < 4; ++i)
        et_[i]->setText(Q(L[26 + i]));
    for (QListWidget *clb : clb_) {
        // The texts change in place: each list keeps its two items and their check marks.
        const QSignalBlocker bloque(clb);
        clb->item(0)->setText(Q(L[30]));
        clb->item(1)->setText(Q(L[31]));
    }
    for (int c = 0; c < NColonnes; ++c)
        for (int u = 1; u <= NParametres; ++u) {
            la_[c][u - 1]->setText(Q(L[u]));
            la_[c][u - 1]->setToolTip(Q(PointsHints[u]));
        }
    button1_->setText(Q(L[48]));
    for (int i = 0; i < 8; ++i)
        speedButtons_[i]->setText(Q(L[51 + i]));
    annuler_->setText(QString::fromUtf8(Progression(EnAnglais()).annuler));
    FaitTexteMemo1();
    AppliquePolices(Disposition(width(), height()));
}

void FenetrePrincipale::FaitTexteMemo1() {
    memo1_->clear();
    for (const std::string &ligne : TexteIntroduction(EnAnglais()))
        memo1_->appendPlainText(Q(ligne));
    memo1_->moveCursor(QTextCursor::Start);
    memo1_->verticalScrollBar()->setValue(0);
}

void FenetrePrincipale::Initialise() {
    for (int c = 1; c <= NColonnes; ++c) {
        const TCompte &compte = ComptePoints[c];
        QListWidget *clb = clb_[c - 1];
        if (compte.PHO == 'M' || compte.PHO == 'Z') {
            const QSignalBlocker bloque(clb);
            clb->item(0)->setCheckState(compte.PHO == 'M' ? Qt::Checked : Qt::Unchecked);
            clb->item(1)->setCheckState(compte.PHO == 'Z' ? Qt::Checked : Qt::Unchecked);
        }
        for (int u = 1; u <= NParametres; ++u) {
            QComboBox *cb = cb_[c - 1][u - 1];
            const float v = compte.Ligne(u);
            const int index = ChercheIndexDepuisValeur(v, u);
            if (index >= 0 && index < cb->count()) {
                cb->setCurrentIndex(index);
                cb->setPlaceholderText(QString());
            } else {
                // Only a hand-edited file gets here: show the value itself, keep it until the user chooses.
                cb->setPlaceholderText(Q(TexteValeur(v)));
                cb->setCurrentIndex(-1);
            }
        }
    }
}

// The high-card scale of a column: the item just checked is the only one checked.
void FenetrePrincipale::ChoixCompte(int colonne, QListWidgetItem *item) {
    QListWidget *clb = clb_[colonne - 1];
    {
        const QSignalBlocker bloque(clb);
        if (item->checkState() == Qt::Checked)
            for (int i = 0; i < clb->count(); ++i)
                if (clb->item(i) != item) clb->item(i)->setCheckState(Qt::Unchecked);
        clb->clearSelection();
    }
    if (clb->item(0)->checkState() == Qt::Checked)
        ComptePoints[colonne].PHO = 'M';
    else if (clb->item(1)->checkState() == Qt::Checked)
        ComptePoints[colonne].PHO = 'Z';
}

void FenetrePrincipale::ChoixListe(int colonne, int ligne, int index) {
    if (index < 0) return;
    ComptePoints[colonne].Ligne(ligne) = ChercheValeurDepuisIndex(index, ligne);
    cb_[colonne - 1][ligne - 1]->setPlaceholderText(QString());
}

void FenetrePrincipale::ChangeMemoValeurs(int genre) {
    if (genre < 1 || genre > 3) genre = 1;
    genreRapport_ = genre;
    memo2_->clear();
    // Tables keep their columns: no wrapping, a horizontal scroll bar when they are wider than the area.
    memo2_->setLineWrapMode(genre == static_cast<int>(GenreRapport::Aide) ? QPlainTextEdit::WidgetWidth
                                                                          : QPlainTextEdit::NoWrap);
    PlaceRapport(Disposition(width(), height()));
    label1_->show();
    if (!calcul_) button1_->show();
    label1_->raise();
    memo2_->raise();
    button1_->raise();
    progression_->raise();
}

void FenetrePrincipale::Retourne() {
    memo2_->clear();
    genreRapport_ = 0;
    reposLarge_ = true;
    memo2_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    button1_->hide();
    label1_->hide();
    PlaceRapport(Disposition(width(), height()));
}

void FenetrePrincipale::AidePoints() {
    frontEnd_.ShowReportArea(static_cast<int>(GenreRapport::Aide));
    for (const std::string &ligne : TexteAide(EnAnglais()))
        frontEnd_.AppendLine(ligne);
    frontEnd_.ScrollReportToTop();
}

void FenetrePrincipale::Modifier() {
    frontEnd_.Message(LegendesComptePoints[60]);
}

void FenetrePrincipale::Quitter() {
    // Ends at once, as the user asked: no question and nothing saved.
    QCoreApplication::exit(0);
}

// A command on the window's thread. A failure it did not report itself still reaches the user, and the
// window stays usable.
void FenetrePrincipale::Execute(const std::function<void(FrontEnd &)> &commande) {
    try {
        commande(frontEnd_);
    } catch (const std::exception &e) {
        dialogues_->Message(e.what());
    }
}

// An evaluation runs on a worker thread so that the window keeps drawing and the user can cancel it. The
// editor and the other commands wait until it ends: the run counts with the parameters it started with.
void FenetrePrincipale::Evalue() {
    if (calcul_) return;
    frontEnd_.Reprend();
    ActiveCommandes(false);
    annuler_->setEnabled(true);
    barre_->setRange(0, 1);
    barre_->setValue(0);
    tempsRestant_->clear();
    calcul_ = QThread::create([this] {
        try {
            Evaluer(frontEnd_);
        } catch (const std::exception &e) {
            const std::string texte = e.what();
            QMetaObject::invokeMethod(
                this, [this, texte] { dialogues_->Message(texte); }, Qt::BlockingQueuedConnection);
        }
    });
    calcul_->setObjectName("Evaluation");
    connect(calcul_, &QThread::finished, this, &FenetrePrincipale::FinCalcul);
    minuterie_->start();
    calcul_->start();
}

// From the moment the run's report area opens, the bar shows it is busy and the run can be cancelled; after
// the first deal it shows the count and the time left.
void FenetrePrincipale::MontreAvancement() {
    if (genreRapport_ == 0) return;
    const FrontEndFenetre::Avancement a = frontEnd_.Etat();
    const TextesProgression &t = Progression(EnAnglais());
    if (a.total <= 0) {
        barre_->setRange(0, 0);
        tempsRestant_->setText(QString::fromUtf8(t.donnes) + "0");
    } else {
        if (barre_->maximum() != a.total) barre_->setRange(0, static_cast<int>(a.total));
        barre_->setValue(static_cast<int>(a.fait));
        QString texte = QString::fromUtf8(t.donnes) + QString("%1 / %2").arg(a.fait).arg(a.total);
        if (a.secondesRestantes >= 0)
            texte += QString::fromUtf8(" — ") + QString::fromUtf8(t.reste) + Duree(a.secondesRestantes);
        tempsRestant_->setText(texte);
    }
    if (!progression_->isVisible()) {
        progression_->show();
        progression_->raise();
    }
}

void FenetrePrincipale::FinCalcul() {
    minuterie_->stop();
    const bool annule = frontEnd_.EstAnnule();
    calcul_->deleteLater();
    calcul_ = nullptr;
    progression_->hide();
    ActiveCommandes(true);
    if (annule && genreRapport_ != 0)
        memo2_->appendPlainText(QString::fromUtf8(Progression(EnAnglais()).annule));
    if (genreRapport_ != 0) button1_->show();
    emit calculTermine();
}

void FenetrePrincipale::ActiveCommandes(bool actif) {
    for (QListWidget *clb : clb_)
        clb->setEnabled(actif);
    for (auto &colonne : cb_)
        for (QComboBox *cb : colonne)
            cb->setEnabled(actif);
    for (QToolButton *b : speedButtons_)
        b->setEnabled(actif);
    button1_->setEnabled(actif);
}

void FenetrePrincipale::closeEvent(QCloseEvent *event) {
    ArreteCalcul();
    event->accept();
}

} // namespace vasterel::ui
