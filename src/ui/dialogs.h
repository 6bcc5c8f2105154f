// The dialogues the commands ask the user through: a text input box, a
// message box, a yes/no question, the printer dialog. Behind one small interface, so that a
// whole print or save command can run in a test without a person.
#pragma once

#include <QString>
#include <memory>
#include <optional>

class QInputDialog;
class QPrinter;
class QWidget;

namespace ui {

// The platform's text input box, its prompt wrapped at about 60 characters:
// a long prompt on one line would run past the edge of a small screen.
std::unique_ptr<QInputDialog> makeTextBox(QWidget *parent, const QString &prompt,
                                          const QString &title);

class Dialogs
{
public:
    virtual ~Dialogs();
    // The text typed (perhaps empty), or nothing when the user cancels.
    virtual std::optional<QString> askText(const QString &prompt, const QString &title) = 0;
    // A message with an OK button only; returns when the user presses it.
    virtual void showMessage(const QString &text) = 0;
    // A message about something that went wrong.
    virtual void showError(const QString &text) = 0;
    // A question answered "Ja" (true) or "Nein"; "Nein" is the default, so
    // that Return alone changes nothing.
    virtual bool askYesNo(const QString &question) = 0;
    // Lets the user choose the printer and its settings; false when the user
    // cancels, which ends the print command. `printer` is null when the page
    // is not a real printer.
    virtual bool choosePrinter(QPrinter *printer) = 0;
};

// The dialogues of the platform, over a parent window.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget *parent) : parent_(parent) {}
    std::optional<QString> askText(const QString &prompt, const QString &title) override;
    void showMessage(const QString &text) override;
    void showError(const QString &text) override;
    bool askYesNo(const QString &question) override;
    bool choosePrinter(QPrinter *printer) override;

private:
    QWidget *parent_;
};

}  // namespace ui
