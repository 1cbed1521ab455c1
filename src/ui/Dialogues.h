#pragma once
// The modal dialogs of the window: a text prompt, a message and an OK / Cancel question. The window asks
// them through this interface so that a test can answer them without a display.

#include <string>

class QWidget;

namespace vasterel::ui {

class Dialogues {
  public:
    virtual ~Dialogues() = default;
    // Returns the text typed, or the default text when the user cancels.
    virtual std::string Demande(const std::string &titre, const std::string &question,
                                const std::string &defaut) = 0;
    virtual void Message(const std::string &texte) = 0;
    // True for OK; Cancel and a dismissed dialog give false.
    virtual bool Confirme(const std::string &titre, const std::string &texte) = 0;
};

// The platform's input dialog and message boxes, over the given window.
class DialoguesQt : public Dialogues {
  public:
    explicit DialoguesQt(QWidget *parent) : parent_(parent) {}
    std::string Demande(const std::string &titre, const std::string &question,
                        const std::string &defaut) override;
    void Message(const std::string &texte) override;
    bool Confirme(const std::string &titre, const std::string &texte) override;

  private:
    QWidget *parent_;
};

} // namespace vasterel::ui
