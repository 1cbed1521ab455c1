#pragma once
// What the commands of the core need from whoever shows them to the user: the window, the command line or a
// test. A front end holds no bridge logic; it answers prompts, shows messages and keeps the report area.

#include <string>

namespace vasterel {

class FrontEnd {
  public:
    virtual ~FrontEnd() = default;

    // A text prompt with a caption, a question and a default text. Returns the text typed, or the default
    // when the user cancels.
    virtual std::string Prompt(const std::string &caption, const std::string &question,
                               const std::string &defaut) = 0;
    // A message box with one text.
    virtual void Message(const std::string &text) = 0;
    // A question answered by OK (true) or Cancel (false); a dismissed dialog counts as Cancel.
    virtual bool Confirm(const std::string &caption, const std::string &text) = 0;

    // The report area. ShowReportArea shows and places it for a report of kind 1 (result tables: evaluation
    // run, comparison, overbid table), 2 (stored values of one system) or 3 (help text), and clears it.
    virtual void ShowReportArea(int kind) = 0;
    virtual void ClearReport() = 0;
    virtual void AppendLine(const std::string &line) = 0;
    virtual void ScrollReportToTop() = 0;
    // Lets the user see what was written so far (a command may run for a long time).
    virtual void Repaint() = 0;

    // Evaluation runs: called after each deal once its observations are recorded (done = 1..total), and
    // after each progress report has been written. A front end may show a bar and the time left.
    virtual void Progress(long done, long total) {
        (void)done;
        (void)total;
    }
    // Polled between deals: true ends the run at once, nothing stored.
    virtual bool CancelRequested() { return false; }
};

} // namespace vasterel
