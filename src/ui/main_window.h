// What both main windows are alike in: a drawing field with its index boxes
// and hints inside, the index bar, a print command that puts the scene on
// paper under the user's title, Ctrl+C for the picture, and dialogues that a
// test can replace by scripted ones. Closing either window ends the program.
#pragma once

#include "canvas/drawing_field.h"
#include "canvas/page.h"
#include "ui/dialogs.h"
#include "ui/field_controls.h"
#include "ui/window_frame.h"

#include <QWidget>
#include <initializer_list>
#include <memory>
#include <utility>

class QScrollBar;

namespace ui {

// How a window's printout is set: the PDF file offered in the home folder
// when there is no printer, and where the lower index label stands, as a
// fraction of the printable height.
struct PrintoutSettings {
    const char *pdfName;
    double labelHeight;
};

class MainWindow : public QWidget, public canvas::TouchRoles
{
public:
    ~MainWindow() override;

    // The platform's dialogues unless a test has put others in their place;
    // null puts the platform's back.
    Dialogs &dialogs() { return *dialogs_; }
    void setDialogs(Dialogs *d) { dialogs_ = d ? d : ownDialogs_.get(); }

    // Where a main window lays itself out: the primary screen's available
    // area, or 1024 x 768 where there is no screen.
    static QRect availableScreenArea();

    // The print button: the whole command on a printer of the system (or a
    // PDF file). printOut runs it on any page: the title line asked, the
    // printer chosen, the scene drawn, the title and the indices added.
    void print();
    void printOut(canvas::PageSurface &page);

    // The one route of the field's presses, moves and releases into the view;
    // the screen-wide and the field's pointer then show what the view asks.
    void fieldEvent(const canvas::FieldEvent &event);

    // Ctrl+C: the field's picture as it is shown, at the screen's device
    // pixels, onto the clipboard; nothing is drawn.
    void copyPicture();

protected:
    MainWindow(PrintoutSettings printout, QWidget *parent);

    // The scene on paper, with the paper's pens, and the index it shows.
    virtual void drawOnPaper(canvas::PageSurface &page) = 0;
    virtual float index() const = 0;
    // The view's answer to an event on its field, and the role it gives a
    // finger or a pen put down on it (canvas::TouchRoles).
    virtual canvas::PointerChange handleFieldEvent(const canvas::FieldEvent &event) = 0;

    // Puts the window where its frame says, its field with square scene
    // units and the field's own controls, and each control of the column at
    // its place.
    void applyFrame(const WindowFrame &frame,
                    std::initializer_list<std::pair<QWidget *, QRect>> column);
    // Once the column is in place: the window ends a small margin right of
    // the rightmost content its controls show (a label's text, a button's
    // frame). On a wide screen the field is fitted to the
    // window's height, and the window would otherwise keep an empty band.
    void fitWidthToColumn();

    // Ends the program at once, without a question and without saving.
    void closeEvent(QCloseEvent *event) override;

    canvas::DrawingField *field_;
    QScrollBar *indexBar_;
    // Made by each window, with its own names and hints.
    std::unique_ptr<FieldControls> fieldControls_;

private:
    PrintoutSettings printout_;
    double layoutWidth_ = 0;
    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs *dialogs_ = nullptr;
};

}  // namespace ui
