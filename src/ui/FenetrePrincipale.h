#pragma once
// The main window: the editor of the three configurable systems, the introduction, the language buttons,
// the report area and the eight command buttons. It holds no bridge logic: the commands run in the core
// and talk to the user through FrontEndFenetre.

#include "ui/Dialogues.h"
#include "ui/Disposition.h"
#include "ui/FrontEndFenetre.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;
class QToolButton;

namespace vasterel::ui {

class FenetrePrincipale : public QWidget {
    Q_OBJECT
  public:
    // Sets the default parameters, loads the stored files and builds the window, in French. Without
    // dialogues, the platform's dialogs are used.
    explicit FenetrePrincipale(std::unique_ptr<Dialogues> dialogues = nullptr, QWidget *parent = nullptr);
    ~FenetrePrincipale() override;

    Dialogues &dialogues() { return *dialogues_; }
    QPlainTextEdit *rapport() const { return memo2_; }
    FrontEndFenetre &frontEnd() { return frontEnd_; }
    bool CalculEnCours() const { return calcul_ != nullptr; }

    // Shows and places the report area for a report of kind 1 (result tables), 2 (stored values of a
    // system) or 3 (help text), and clears it.
    void ChangeMemoValeurs(int genre);
    // Puts the report area back in its resting place, empty.
    void Retourne();
    // Applies the current language (G_Langue) to every text and font.
    void FaitLangue();
    // Shows the parameter records in the editor.
    void Initialise();

    // The commands of the buttons.
    void AidePoints();
    void Modifier();
    void Quitter();

  signals:
    void calculTermine();

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void CreeFicheDynamique();
    void Dispose();
    void PlaceRapport(const Disposition &d);
    void AppliquePolices(const Disposition &d);
    void FaitTexteMemo1();
    void ChoixCompte(int colonne, QListWidgetItem *item);
    void ChoixListe(int colonne, int ligne, int index);
    void Execute(const std::function<void(FrontEnd &)> &commande);
    void Evalue();
    void MontreAvancement();
    void FinCalcul();
    void ActiveCommandes(bool actif);
    void ArreteCalcul();

    std::unique_ptr<Dialogues> dialogues_;
    FrontEndFenetre frontEnd_;

    std::array<QLabel *, 4> et_{};
    std::array<QListWidget *, NColonnes> clb_{};
    std::array<std::array<QLabel *, NParametres>, NColonnes> la_{};
    std::array<std::array<QComboBox *, NParametres>, NColonnes> cb_{};
    QPlainTextEdit *memo1_ = nullptr;
    QPlainTextEdit *memo2_ = nullptr;
    QLabel *label1_ = nullptr;
    QPushButton *button1_ = nullptr;
    std::array<QToolButton *, 10> speedButtons_{};

    QFrame *progression_ = nullptr;
    QProgressBar *barre_ = nullptr;
    QLabel *tempsRestant_ = nullptr;
    QPushButton *annuler_ = nullptr;
    QTimer *minuterie_ = nullptr;
    QThread *calcul_ = nullptr;

    // 0 while the report area rests, else the kind of the report shown.
    int genreRapport_ = 0;
    // The report area rests a little wider once a report has been closed.
    bool reposLarge_ = false;
};

} // namespace vasterel::ui
