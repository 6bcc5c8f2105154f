// What both main windows are alike in: closing either ends the program, and
// their commands ask the user through one set of dialogues, which a test can
// replace by a scripted one.
#pragma once

#include "ui/dialogs.h"

#include <QWidget>
#include <memory>

namespace ui {

class MainWindow : public QWidget
{
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The platform's dialogues unless a test has put others in their place;
    // null puts the platform's back.
    Dialogs &dialogs() { return *dialogs_; }
    void setDialogs(Dialogs *d) { dialogs_ = d ? d : ownDialogs_.get(); }

    // Where a main window lays itself out: the primary screen's available
    // area, or 1024 x 768 where there is no screen.
    static QRect availableScreenArea();

protected:
    // Ends the program at once, without a question and without saving.
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs *dialogs_ = nullptr;
};

}  // namespace ui
