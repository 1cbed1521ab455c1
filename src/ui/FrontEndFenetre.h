#pragma once
// The window as the commands' front end. A command may run on the window's thread or, for an evaluation,
// on a worker thread: every call that touches a widget is then carried out on the window's thread while the
// worker waits, so the widgets are only ever used from their own thread.

#include "runs/FrontEnd.h"

#include <atomic>
#include <chrono>

namespace vasterel::ui {

class FenetrePrincipale;

class FrontEndFenetre : public FrontEnd {
  public:
    explicit FrontEndFenetre(FenetrePrincipale &fenetre) : fenetre_(fenetre) {}

    std::string Prompt(const std::string &caption, const std::string &question,
                       const std::string &defaut) override;
    void Message(const std::string &text) override;
    bool Confirm(const std::string &caption, const std::string &text) override;
    void ShowReportArea(int kind) override;
    void ClearReport() override;
    void AppendLine(const std::string &line) override;
    void ScrollReportToTop() override;
    void Repaint() override;
    void Progress(long done, long total) override;
    bool CancelRequested() override { return annule_.load(); }

    // A new run: not cancelled, no progress yet.
    void Reprend();
    // Asks the run to stop; from then on it shows no more dialogs, and its confirmation answers Cancel.
    void Annule() { annule_.store(true); }
    bool EstAnnule() const { return annule_.load(); }

    struct Avancement {
        long fait = 0, total = 0;
        // Estimated from the pace since the last answer to a prompt; negative before the first deal.
        double secondesRestantes = -1;
    };
    Avancement Etat() const;

  private:
    template <class F> auto SurFenetre(F &&f);

    FenetrePrincipale &fenetre_;
    std::atomic<bool> annule_{false};
    std::atomic<long> fait_{0}, total_{0};
    std::atomic<std::chrono::steady_clock::rep> debut_{0};
};

} // namespace vasterel::ui
