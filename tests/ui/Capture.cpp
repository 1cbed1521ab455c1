// Draws the window at a given size and saves a picture of it, for a look at the layout and for the
// screenshots of the documentation:
//   vasterel_capture WIDTH HEIGHT FILE.png [fr|en] [BUTTON [ANSWER...]]
// BUTTON is the number of a command button (1..8) pressed once the window is shown; its prompts take the
// ANSWERs in order and its confirmations are answered Cancel, so nothing is stored. A BUTTON written ~6
// takes the picture while the evaluation runs, then cancels it.

#include "hand/VariablesGlobales.h"
#include "ui/FenetrePrincipale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include <cstdio>
#include <deque>
#include <string>

namespace {

class Reponses : public vasterel::ui::Dialogues {
  public:
    explicit Reponses(std::deque<std::string> r) : reponses_(std::move(r)) {}
    std::string Demande(const std::string &, const std::string &, const std::string &defaut) override {
        if (reponses_.empty()) return defaut;
        std::string r = reponses_.front();
        reponses_.pop_front();
        return r;
    }
    void Message(const std::string &texte) override { std::fprintf(stderr, "message: %s\n", texte.c_str()); }
    bool Confirme(const std::string &, const std::string &) override { return false; }

  private:
    std::deque<std::string> reponses_;
};

void Attends(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT FILE.png [fr|en] [BUTTON [ANSWER...]]\n", argv[0]);
        return 2;
    }
    vasterel::InitialiseTables();
    QApplication application(argc, argv);
    std::deque<std::string> reponses;
    for (int i = 6; i < argc; ++i)
        reponses.emplace_back(argv[i]);
    vasterel::ui::FenetrePrincipale fenetre(std::make_unique<Reponses>(reponses));
    fenetre.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    fenetre.show();
    Attends(300);
    if (argc > 4 && std::string(argv[4]) == "en")
        fenetre.findChild<QAbstractButton *>("SpeedButton10")->click();
    const QString bouton = argc > 5 ? QString(argv[5]) : QString();
    const bool pendant = bouton.startsWith('~');
    if (!bouton.isEmpty()) {
        fenetre.findChild<QAbstractButton *>("SpeedButton" + bouton.mid(pendant ? 1 : 0))->click();
        Attends(pendant ? 6000 : 300);
        while (!pendant && fenetre.CalculEnCours())
            Attends(100);
    }
    Attends(300);
    const bool ok = fenetre.grab().save(QString::fromLocal8Bit(argv[3]));
    if (pendant) fenetre.frontEnd().Annule();
    while (fenetre.CalculEnCours())
        Attends(100);
    return ok ? 0 : 1;
}
