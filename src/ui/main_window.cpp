#include "ui/main_window.h"

#include "ui/print_command.h"
#include "ui/screen_pointer.h"
#include "ui/window_controls.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>
#include <cmath>

namespace ui {

MainWindow::MainWindow(PrintoutSettings printout, QWidget *parent)
    : QWidget(parent),
      field_(new canvas::DrawingField(canvas::kWhite, this)),
      indexBar_(makeIndexScrollBar(this)),
      printout_(printout),
      ownDialogs_(std::make_unique<QtDialogs>(this)),
      dialogs_(ownDialogs_.get())
{
    field_->setObjectName(QStringLiteral("field"));
    field_->setAccessibleName(QStringLiteral("Zeichenfeld"));
    field_->setTouchRoles(this);
    connect(field_, &canvas::DrawingField::fieldEvent, this,
            [this](const canvas::FieldEvent &event) { fieldEvent(event); });
    // A shortcut of the window, not of the field: Ctrl+C copies whichever
    // control has the focus. No control here copies text of its own.
    auto *copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &MainWindow::copyPicture);
}

void MainWindow::fieldEvent(const canvas::FieldEvent &event)
{
    const canvas::PointerChange change = handleFieldEvent(event);
    if (change.screen)
        setScreenPointer(*change.screen);
    if (change.field)
        field_->setPointer(*change.field);
}

MainWindow::~MainWindow() = default;

QRect MainWindow::availableScreenArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void MainWindow::print()
{
    printOnSystemPrinter(dialogs(), QString::fromLatin1(printout_.pdfName),
                         [this](canvas::PageSurface &page) { printOut(page); });
}

void MainWindow::printOut(canvas::PageSurface &page)
{
    const std::optional<QString> title = beginPrintout(dialogs(), page);
    if (!title)
        return;  // cancelled: nothing printed, the picture stays as it is
    drawOnPaper(page);
    endPrintout(page, *title, index(), printout_.labelHeight);
}

void MainWindow::copyPicture()
{
    QGuiApplication::clipboard()->setImage(field_->image());
}

void MainWindow::applyFrame(const WindowFrame &frame,
                            std::initializer_list<std::pair<QWidget *, QRect>> column)
{
    setGeometry(frame.window);
    layoutWidth_ = frame.width;
    field_->setGeometry(frame.field);
    setSquareScale(*field_);
    fieldControls_->place();
    for (const auto &[control, place] : column)
        control->setGeometry(place);
}

namespace {

// Where a control's visible content ends: a label, a check box or an option
// button shows its text from the left and nothing beyond it, however wide its
// rectangle; a button, a box or a bar fills its rectangle with its frame.
int visibleRight(const QWidget *c)
{
    const QRect r = c->geometry();
    const bool textFromLeft =
        qobject_cast<const QCheckBox *>(c) || qobject_cast<const QRadioButton *>(c)
        || (qobject_cast<const QLabel *>(c)
            && (static_cast<const QLabel *>(c)->alignment() & Qt::AlignHorizontal_Mask)
                   <= Qt::AlignLeft);
    return r.x() + (textFromLeft ? std::min(r.width(), c->sizeHint().width()) : r.width());
}

}  // namespace

void MainWindow::fitWidthToColumn()
{
    int right = 0;
    for (const QWidget *c : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!c->isWindow() && !c->isHidden())
            right = std::max(right, visibleRight(c));
    resize(int(std::lround(right + 0.01 * layoutWidth_)), height());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

}  // namespace ui
