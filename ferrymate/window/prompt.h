#pragma once
// The window's questions and message boxes go through one small interface:
// the real one shows QMessageBox, a test installs a scripted one that records
// the texts and gives prepared answers.

#include <QString>

class QWidget;

namespace pf {

class Prompt {
  public:
    virtual ~Prompt() = default;
    // A plain message box with one OK button, captioned "Ferrymate".
    virtual void message(QWidget* owner, const QString& text) = 0;
    // A Yes/No question whose default button is No; true for Yes.
    virtual bool askYesNo(QWidget* owner, const QString& text) = 0;
    // The application's general error report for errors that escape a handler.
    virtual void reportError(QWidget* owner, const QString& text) = 0;
};

class MessageBoxPrompt final : public Prompt {
  public:
    void message(QWidget* owner, const QString& text) override;
    bool askYesNo(QWidget* owner, const QString& text) override;
    void reportError(QWidget* owner, const QString& text) override;
};

} // namespace pf
