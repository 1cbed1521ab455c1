#include "ui/FrontEndFenetre.h"

#include "ui/Dialogues.h"
#include "ui/FenetrePrincipale.h"

#include <QMetaObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QThread>

#include <type_traits>

namespace vasterel::ui {

namespace {
std::chrono::steady_clock::rep Maintenant() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}
} // namespace

template <class F> auto FrontEndFenetre::SurFenetre(F &&f) {
    using R = std::invoke_result_t<F>;
    if (QThread::currentThread() == fenetre_.thread()) return f();
    if constexpr (std::is_void_v<R>) {
        QMetaObject::invokeMethod(
            &fenetre_, [&] { f(); }, Qt::BlockingQueuedConnection);
    } else {
        R resultat{};
        QMetaObject::invokeMethod(
            &fenetre_, [&] { resultat = f(); }, Qt::BlockingQueuedConnection);
        return resultat;
    }
}

std::string FrontEndFenetre::Prompt(const std::string &caption, const std::string &question,
                                    const std::string &defaut) {
    if (annule_) return defaut;
    std::string reponse = SurFenetre([&] { return fenetre_.dialogues().Demande(caption, question, defaut); });
    // The time a user takes to answer is no part of the run's pace.
    debut_ = Maintenant();
    return reponse;
}

void FrontEndFenetre::Message(const std::string &text) {
    if (annule_) return;
    SurFenetre([&] { fenetre_.dialogues().Message(text); });
}

bool FrontEndFenetre::Confirm(const std::string &caption, const std::string &text) {
    if (annule_) return false;
    return SurFenetre([&] { return fenetre_.dialogues().Confirme(caption, text); });
}

void FrontEndFenetre::ShowReportArea(int kind) {
    SurFenetre([&] { fenetre_.ChangeMemoValeurs(kind); });
}

void FrontEndFenetre::ClearReport() {
    SurFenetre([&] { fenetre_.rapport()->clear(); });
}

void FrontEndFenetre::AppendLine(const std::string &line) {
    SurFenetre([&] { fenetre_.rapport()->appendPlainText(QString::fromStdString(line)); });
}

void FrontEndFenetre::ScrollReportToTop() {
    SurFenetre([&] {
        QPlainTextEdit *r = fenetre_.rapport();
        r->moveCursor(QTextCursor::Start);
        r->verticalScrollBar()->setValue(0);
        r->horizontalScrollBar()->setValue(0);
    });
}

void FrontEndFenetre::Repaint() {
    // A worker's lines are drawn by the window's own event loop; a command on the window's thread draws now.
    if (QThread::currentThread() == fenetre_.thread()) fenetre_.rapport()->repaint();
}

void FrontEndFenetre::Progress(long done, long total) {
    total_ = total;
    fait_ = done;
}

void FrontEndFenetre::Reprend() {
    annule_ = false;
    fait_ = 0;
    total_ = 0;
    debut_ = Maintenant();
}

FrontEndFenetre::Avancement FrontEndFenetre::Etat() const {
    Avancement a;
    a.fait = fait_;
    a.total = total_;
    if (a.fait > 0 && a.total >= a.fait) {
        const std::chrono::steady_clock::duration ecoule(Maintenant() - debut_);
        const double secondes = std::chrono::duration<double>(ecoule).count();
        a.secondesRestantes = secondes / a.fait * (a.total - a.fait);
    }
    return a;
}

} // namespace vasterel::ui
