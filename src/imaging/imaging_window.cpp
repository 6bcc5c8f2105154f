#include "imaging/imaging_window.h"

#include "imaging/imaging_layout.h"
#include "ui/field_controls.h"
#include "ui/fit_text.h"
#include "ui/number_text.h"
#include "ui/screen_pointer.h"
#include "ui/window_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>

namespace imaging {

using ui::numberText;

namespace {

const char *const kCaption = "Tavrix - Abbildung von Punkten";

// The index 1 of the thinner medium, always with two decimals.
// Deliberate: the thinner medium's box shows the fixed reference 1 as "1,00", not in shortest form.
QString unitIndex()
{
    return ui::decimalText(1, 2);
}


}  // namespace

ImagingWindow::ImagingWindow(QWidget *parent)
    : ui::MainWindow({"tavrix-abbildung.pdf", 0.55}, parent)
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setAutoFillBackground(true);
    ui::setBackground(this, QPalette::Window, QColor(192, 192, 192));
    createControls();

    applyLayout(availableScreenArea());
    const float n = scene().index();
    upperIndexBox_->setText(QStringLiteral("   ") + unitIndex());
    lowerIndexBox_->setText(QStringLiteral("   ") + numberText(n));
    fieldControls_->setIndexTexts(QStringLiteral(" n = 1 "), QStringLiteral(" n = ") + numberText(n));
}

ImagingWindow::~ImagingWindow() = default;

void ImagingWindow::createControls()
{
    using namespace canvas;
    using namespace ui;
    scene_ = std::make_unique<ImagingScene>(field_->raster());
    modeLabel_ = makeLabel(this, "modeLabel", "Abbildung von");
    singlePointsButton_ = new QRadioButton(QStringLiteral("einzelnen Punkten"), this);
    singlePointsButton_->setObjectName(QStringLiteral("singlePointsButton"));
    pointRowsButton_ = new QRadioButton(QStringLiteral("Punktreihen"), this);
    pointRowsButton_->setObjectName(QStringLiteral("pointRowsButton"));
    auto *modes = new QButtonGroup(this);
    modes->addButton(singlePointsButton_);
    modes->addButton(pointRowsButton_);
    singlePointsButton_->setChecked(true);
    gridBox_ = makeCheckBox(this, "gridBox", "Raster", false);
    clearRowButton_ = makeButton(this, "clearRowButton", "Löschen");
    indexLabel_ = makeLabel(this, "indexLabel", "  Brechzahl n  ");
    upperIndexBox_ = makeIndexBox(this, "upperIndexBox", Qt::white);
    lowerIndexBox_ = makeIndexBox(this, "lowerIndexBox");
    printButton_ = makeButton(this, "printButton", "Bild Drucken");
    // Deliberate: "Bild alsDatei" without a blank, as the README and worksheets quote the caption.
    saveBitmapButton_ = makeButton(this, "saveBitmapButton", "Bild alsDatei");
    rayPathButton_ = makeButton(this, "rayPathButton", "zum Strahlenverlauf");
    infoButton_ = makeButton(this, "infoButton", "Info");

    fieldControls_ = std::make_unique<FieldControls>(
        *field_, "upperFieldIndexBox", "lowerFieldIndexBox",
        FieldControls::Hint{"eyeHint", "Augenposition: linke Maustaste drücken!", {-980, -980}},
        // Deliberate: no "!" after this hint, unlike the eye hint: the text is kept as it reads.
        FieldControls::Hint{"objectHint", "Objektposition: rechte Maustaste drücken",
                            {-980, 800}});

    // Every control is reached with Tab, in the order of the column, and
    // carries its caption as its accessible name.
    upperIndexBox_->setAccessibleName(QStringLiteral("Brechzahl oben"));
    lowerIndexBox_->setAccessibleName(QStringLiteral("Brechzahl unten"));
    chainTabOrder({singlePointsButton_, pointRowsButton_, gridBox_, clearRowButton_, indexBar_,
                   printButton_, saveBitmapButton_, rayPathButton_, infoButton_});

    connect(indexBar_, &QScrollBar::valueChanged, this, &ImagingWindow::showIndex);
    connect(pointRowsButton_, &QRadioButton::toggled, this,
            // Deliberate: a switch draws nothing; the row stays until a redraw or "Löschen".
            [this](bool rows) { scene().setRowMode(rows); });
    connect(gridBox_, &QCheckBox::toggled, this, [this](bool shown) { scene().showGrid(shown); });
    connect(clearRowButton_, &QPushButton::clicked, this, [this] { scene().clearRow(); });
    connect(rayPathButton_, &QPushButton::clicked, this, &ImagingWindow::rayPathRequested);
    connect(infoButton_, &QPushButton::clicked, this, &ImagingWindow::infoRequested);
    connect(printButton_, &QPushButton::clicked, this, &ImagingWindow::print);
    connect(saveBitmapButton_, &QPushButton::clicked, this, &ImagingWindow::saveBitmap);
    connect(field_, &DrawingField::paintRequested, this, [this] { scene().paintFreshField(); });
}

void ImagingWindow::applyLayout(const QRect &availableScreen)
{
    const ImagingLayout l(availableScreen);
    applyFrame(l, {{modeLabel_, l.modeLabel}, {singlePointsButton_, l.singlePointsButton},
                   {pointRowsButton_, l.pointRowsButton}, {gridBox_, l.gridBox},
                   {clearRowButton_, l.clearRowButton}, {indexLabel_, l.indexLabel},
                   {indexBar_, l.indexBar}, {upperIndexBox_, l.upperIndexBox},
                   {lowerIndexBox_, l.lowerIndexBox}, {printButton_, l.printButton},
                   {saveBitmapButton_, l.saveBitmapButton}, {rayPathButton_, l.rayPathButton},
                   {infoButton_, l.infoButton}});
    ui::widenToFit(upperIndexBox_, QStringLiteral("   ") + unitIndex(), false);
    ui::widenToFit(lowerIndexBox_, QStringLiteral("   ") + unitIndex(), false);
    fitWidthToColumn();
}

void ImagingWindow::showIndex(int barValue)
{
    const float n = float(barValue / 100.0);
    const ui::ShownIndex shown = ui::shownIndex(n);
    const QString value = QStringLiteral("  ") + numberText(shown.value);
    upperIndexBox_->setText(shown.upperDenser ? value : QStringLiteral("  %1 ").arg(unitIndex()));
    lowerIndexBox_->setText(shown.upperDenser ? QStringLiteral("  ") + unitIndex() : value);
    fieldControls_->showIndex(shown, QStringLiteral(" n = 1 "));
    scene().setIndex(n);
}

canvas::PointerChange ImagingWindow::handleFieldEvent(const canvas::FieldEvent &event)
{
    return scene().handle(event);
}

void ImagingWindow::drawOnPaper(canvas::PageSurface &page)
{
    scene().drawOnPaper(page);
}

}  // namespace imaging
