#include "imaging/imaging_window.h"

#include "imaging/imaging_window_layout.h"
#include "ui/fit_text.h"
#include "ui/number_text.h"
#include "ui/print_command.h"
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

// Scene rectangles of the controls inside the field.
const QRectF kUpperFieldIndexBox(800, -950, 200, 100);
const QRectF kLowerFieldIndexBox(800, 50, 200, 100);
const QPointF kEyeHintAt(-980, -980);
const QPointF kObjectHintAt(-980, 800);

// The field reports a button, or during a move the sum of those held.
MouseButton buttonOf(int code)
{
    if (code == canvas::kLeftButton)
        return MouseButton::Left;
    if (code == canvas::kRightButton)
        return MouseButton::Right;
    return MouseButton::Other;
}

}  // namespace

ImagingWindow::ImagingWindow(QWidget *parent) : ui::MainWindow(parent)
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setAutoFillBackground(true);
    ui::setBackground(this, QPalette::Window, QColor(192, 192, 192));
    createControls();

    applyLayout(availableScreenArea());
    const float n = scene().index();
    upperIndexBox->setText(QStringLiteral("   1.00"));
    lowerIndexBox->setText(QStringLiteral("   ") + numberText(n));
    lowerFieldIndexBox->setText(QStringLiteral(" n = ") + numberText(n));
    upperFieldIndexBox->setText(QStringLiteral(" n = 1 "));
}

void ImagingWindow::createControls()
{
    using namespace canvas;
    using namespace ui;
    field = new DrawingField(kWhite, this);
    field->setObjectName(QStringLiteral("field"));
    scene_ = std::make_unique<ImagingScene>(field->raster());
    modeLabel = makeLabel(this, "modeLabel", "Abbildung von");
    singlePointsButton = new QRadioButton(QStringLiteral("einzelnen Punkten"), this);
    singlePointsButton->setObjectName(QStringLiteral("singlePointsButton"));
    pointRowsButton = new QRadioButton(QStringLiteral("Punktreihen"), this);
    pointRowsButton->setObjectName(QStringLiteral("pointRowsButton"));
    auto *modes = new QButtonGroup(this);
    modes->addButton(singlePointsButton);
    modes->addButton(pointRowsButton);
    singlePointsButton->setChecked(true);
    gridBox = makeCheckBox(this, "gridBox", "Raster", false);
    clearRowButton = makeButton(this, "clearRowButton", "Löschen");
    indexLabel = makeLabel(this, "indexLabel", "  Brechzahl n  ");
    indexBar = makeIndexScrollBar(this);
    indexBar->setObjectName(QStringLiteral("indexBar"));
    upperIndexBox = makeIndexBox(this, "upperIndexBox", Qt::white);
    lowerIndexBox = makeIndexBox(this, "lowerIndexBox");
    printButton = makeButton(this, "printButton", "Bild Drucken");
    saveBitmapButton = makeButton(this, "saveBitmapButton", "Bild alsDatei");
    rayPathButton = makeButton(this, "rayPathButton", "zum Strahlenverlauf");
    infoButton = makeButton(this, "infoButton", "Info");

    upperFieldIndexBox = makeIndexBox(field, "upperFieldIndexBox");
    lowerFieldIndexBox = makeIndexBox(field, "lowerFieldIndexBox");
    eyeHint = makeFieldLabel(field, "eyeHint", "Augenposition: linke Maustate drücken!");
    objectHint = makeFieldLabel(field, "objectHint", "Objektposition: rechte Maustaste drücken");

    // Every control is reached with Tab, in the order of the column, and
    // carries its caption as its accessible name.
    field->setAccessibleName(QStringLiteral("Zeichenfeld"));
    upperIndexBox->setAccessibleName(QStringLiteral("Brechzahl oben"));
    lowerIndexBox->setAccessibleName(QStringLiteral("Brechzahl unten"));
    upperFieldIndexBox->setAccessibleName(QStringLiteral("Brechzahl oben"));
    lowerFieldIndexBox->setAccessibleName(QStringLiteral("Brechzahl unten"));
    chainTabOrder({singlePointsButton, pointRowsButton, gridBox, clearRowButton, indexBar,
                   printButton, saveBitmapButton, rayPathButton, infoButton});

    connect(indexBar, &QScrollBar::valueChanged, this, &ImagingWindow::showIndex);
    connect(pointRowsButton, &QRadioButton::toggled, this,
            [this](bool rows) { scene().setRowMode(rows); });
    connect(gridBox, &QCheckBox::toggled, this, [this](bool shown) { scene().showGrid(shown); });
    connect(clearRowButton, &QPushButton::clicked, this, [this] { scene().clearRow(); });
    connect(rayPathButton, &QPushButton::clicked, this, &ImagingWindow::rayPathRequested);
    connect(infoButton, &QPushButton::clicked, this, &ImagingWindow::infoRequested);
    connect(printButton, &QPushButton::clicked, this, &ImagingWindow::printPicture);
    connect(saveBitmapButton, &QPushButton::clicked, this, &ImagingWindow::saveBitmap);
    connect(field, &DrawingField::paintRequested, this, [this] { scene().paintFreshField(); });
    connect(field, &DrawingField::mouseDown, this,
            [this](int b, double x, double y) { pressOnField(b, float(x), float(y)); });
    connect(field, &DrawingField::mouseMove, this,
            [this](int b, double x, double y) { dragOnField(b, float(x), float(y)); });
    connect(field, &DrawingField::mouseUp, this,
            [this](int b, double x, double y) { releaseOnField(b, float(x), float(y)); });
}

void ImagingWindow::applyLayout(const QRect &availableScreen)
{
    const ImagingWindowLayout l = imagingWindowLayout(availableScreen);
    setGeometry(l.window);
    field->setGeometry(l.field);
    const double r = double(l.field.width()) / l.field.height();
    field->setScale(-1000, -1000 / r, 1000, 1000 / r);
    modeLabel->setGeometry(l.modeLabel);
    singlePointsButton->setGeometry(l.singlePointsButton);
    pointRowsButton->setGeometry(l.pointRowsButton);
    gridBox->setGeometry(l.gridBox);
    clearRowButton->setGeometry(l.clearRowButton);
    indexLabel->setGeometry(l.indexLabel);
    indexBar->setGeometry(l.indexBar);
    upperIndexBox->setGeometry(l.upperIndexBox);
    lowerIndexBox->setGeometry(l.lowerIndexBox);
    printButton->setGeometry(l.printButton);
    saveBitmapButton->setGeometry(l.saveBitmapButton);
    rayPathButton->setGeometry(l.rayPathButton);
    infoButton->setGeometry(l.infoButton);

    upperFieldIndexBox->setGeometry(ui::sceneBox(*field, kUpperFieldIndexBox));
    lowerFieldIndexBox->setGeometry(ui::sceneBox(*field, kLowerFieldIndexBox));
    // Wide enough for any index the scroll bar can set.
    const QString widestIndex = numberText(1.99f);
    ui::widenToFit(upperFieldIndexBox, QStringLiteral(" n = ") + widestIndex, true);
    ui::widenToFit(lowerFieldIndexBox, QStringLiteral(" n = ") + widestIndex, true);
    ui::widenToFit(upperIndexBox, QStringLiteral("   1.00"), false);
    ui::widenToFit(lowerIndexBox, QStringLiteral("   1.00"), false);
    eyeHint->adjustSize();
    objectHint->adjustSize();
    eyeHint->move(field->toPixel(kEyeHintAt.x(), kEyeHintAt.y()));
    objectHint->move(field->toPixel(kObjectHintAt.x(), kObjectHintAt.y()));
}

void ImagingWindow::showIndex(int barValue)
{
    const float n = float(barValue / 100.0);
    if (n >= 1) {
        upperIndexBox->setText(QStringLiteral("  1.00 "));
        upperFieldIndexBox->setText(QStringLiteral(" n = 1 "));
        lowerFieldIndexBox->setText(QStringLiteral(" n = ") + numberText(n));
        lowerIndexBox->setText(QStringLiteral("  ") + numberText(n));
    } else {
        // The upper medium is the denser one: it shows the reciprocal, to two
        // decimals, halves going up.
        const float m = float(std::floor(100.0 / n + 0.5) / 100.0);
        upperIndexBox->setText(QStringLiteral("  ") + numberText(m));
        upperFieldIndexBox->setText(QStringLiteral(" n = ") + numberText(m));
        lowerFieldIndexBox->setText(QStringLiteral(" n = 1 "));
        lowerIndexBox->setText(QStringLiteral("  1.00"));
    }
    scene().setIndex(n);
}

void ImagingWindow::applyPointers(const PointerChange &change)
{
    if (change.screen)
        ui::setScreenPointer(*change.screen);
    if (change.field)
        field->setPointer(*change.field);
}

void ImagingWindow::pressOnField(int button, float x, float y)
{
    applyPointers(scene().press(buttonOf(button), {x, y}));
}

void ImagingWindow::dragOnField(int buttons, float x, float y)
{
    applyPointers(scene().drag(buttonOf(buttons), {x, y}));
}

void ImagingWindow::releaseOnField(int button, float, float)
{
    applyPointers(scene().release(buttonOf(button)));
}

void ImagingWindow::printPicture()
{
    ui::printOnSystemPrinter(dialogs(), QStringLiteral("tavrix-abbildung.pdf"),
                             [this](canvas::PageSurface &page) { printOut(page); });
}

void ImagingWindow::printOut(canvas::PageSurface &page)
{
    const std::optional<QString> title = ui::beginPrintout(dialogs(), page);
    if (!title)
        return;  // cancelled: nothing printed, the picture stays as it is
    scene().drawOnPaper(page);
    ui::endPrintout(page, *title, scene().index(), ui::kImagingLabelHeight);
}

}  // namespace imaging
