#include "raypath/ray_path_window.h"

#include "canvas/eye_symbol.h"
#include "ui/fit_text.h"
#include "ui/number_text.h"
#include "ui/print_command.h"
#include "ui/window_controls.h"
#include "raypath/ray_path_layout.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

namespace raypath {

using ui::numberText;

namespace {

const char *const kCaption = "Tavrix   -  Strahlenverlauf";

// Scene rectangles of the controls inside the field.
const QRectF kUpperIndexBox(800, -950, 200, 100);
const QRectF kLowerIndexBox(800, 50, 200, 100);
const QPointF kRayHintAt(-990, -980);
const QPointF kObjectHintAt(-990, 900);

// The palette's symbols, in the boxes' scene units.
void drawEyeSymbolBox(canvas::Surface &s)
{
    s.setPenWidth(3);
    s.circle(0, 0, canvas::kEyeRadius);
    s.setPenWidth(10);
    s.dot(-canvas::kPupilDistance, 0);
    s.setPenWidth(1);
}

void drawPointSymbolBox(canvas::Surface &s)
{
    s.setPenWidth(5);
    s.dot(0, 0);
}

}  // namespace

RayPathWindow::RayPathWindow(QWidget *parent) : ui::MainWindow(parent)
{
    setWindowTitle(QString::fromUtf8(kCaption));
    createControls();
    connectControls();

    applyLayout(availableScreenArea());
    // Index displays as designed, with the user's decimal separator.
    upperIndexText->setText(QStringLiteral(" n = 1"));
    lowerIndexText->setText(QStringLiteral(" n = ") + numberText(1.33f));
    indexText->setText(numberText(1.33f));
}

RayPathWindow::~RayPathWindow() = default;

void RayPathWindow::createControls()
{
    using namespace canvas;
    using namespace ui;
    field = new DrawingField(kWhite, this);
    field->setObjectName(QStringLiteral("field"));
    scene_ = std::make_unique<RayPathScene>(field->raster());
    upperIndexText = makeIndexBox(field, "upperIndexText");
    lowerIndexText = makeIndexBox(field, "lowerIndexText");
    rayHint = makeFieldLabel(field, "rayHint", "Strahl verändern: linke Maustaste drücken!");
    objectHint = makeFieldLabel(field, "objectHint", "Objektposition: rechte Maustaste drücken!");

    partsCaption = makeLabel(this, "partsCaption", " Wahl der Strahlen");
    refractedBox = makeCheckBox(this, "refractedBox", "gebrochene", true);
    refractedExtensionBox = makeCheckBox(this, "refractedExtensionBox", "Verlängerungen", true);
    reflectedBox = makeCheckBox(this, "reflectedBox", "gespiegelte", false);
    reflectedExtensionBox = makeCheckBox(this, "reflectedExtensionBox", "Verlängerungen", false);
    normalsBox = makeCheckBox(this, "normalsBox", "Einfallslote", false);
    clearRaysButton = makeButton(this, "clearRaysButton", "Strahlen löschen");
    indexCaption = makeLabel(this, "indexCaption", "     Brechzahl n = ");
    indexText = makeIndexBox(this, "indexText", QColor(192, 192, 192));
    indexBar = makeIndexScrollBar(this);
    indexBar->setObjectName(QStringLiteral("indexBar"));

    markersCaption = makeLabel(this, "markersCaption", " Markierungen setzen (anklicken!)");
    eyeSymbolBox = new SymbolButton(QStringLiteral("Auge"), this);
    eyeSymbolBox->setObjectName(QStringLiteral("eyeSymbolBox"));
    eyeSymbolBox->setSymbol(drawEyeSymbolBox);
    pointSymbolBox = new SymbolButton(QStringLiteral("Punkt"), this);
    pointSymbolBox->setObjectName(QStringLiteral("pointSymbolBox"));
    pointSymbolBox->setSymbol(drawPointSymbolBox);
    clearMarkersButton = makeButton(this, "clearMarkersButton", "Markierungen löschen");
    printButton = makeButton(this, "printButton", "Drucken");
    infoButton = makeButton(this, "infoButton", "Info");
    imagingButton = makeButton(this, "imagingButton", "zur Abbildung von Punkten");

    field->setAccessibleName(QStringLiteral("Zeichenfeld"));
    upperIndexText->setAccessibleName(QStringLiteral("Brechzahl oben"));
    lowerIndexText->setAccessibleName(QStringLiteral("Brechzahl unten"));
    indexText->setAccessibleName(QStringLiteral("Brechzahl n"));
    // Every control is reached with Tab, in the order of the column, and
    // carries its caption as its accessible name.
    chainTabOrder({refractedBox, refractedExtensionBox, reflectedBox, reflectedExtensionBox,
                   normalsBox, clearRaysButton, indexBar, eyeSymbolBox, pointSymbolBox,
                   clearMarkersButton, printButton, infoButton, imagingButton});
}

void RayPathWindow::connectControls()
{
    using canvas::DrawingField;
    connect(indexBar, &QScrollBar::valueChanged, this, &RayPathWindow::showIndex);
    for (QCheckBox *box :
         {refractedBox, refractedExtensionBox, reflectedBox, reflectedExtensionBox, normalsBox})
        connect(box, &QCheckBox::toggled, this, [this] { scene_->setParts(checkedParts()); });
    connect(clearRaysButton, &QPushButton::clicked, this, [this] { scene_->clearRays(); });
    connect(clearMarkersButton, &QPushButton::clicked, this, [this] { scene_->clearMarkers(); });
    connect(printButton, &QPushButton::clicked, this, &RayPathWindow::print);
    connect(infoButton, &QPushButton::clicked, this, &RayPathWindow::infoRequested);
    connect(imagingButton, &QPushButton::clicked, this, &RayPathWindow::imagingRequested);

    connect(field, &DrawingField::paintRequested, this, [this] { scene_->drawFirstPicture(); });
    connect(field, &DrawingField::mouseDown, this, [this](int b, double x, double y) {
        scene_->press(MouseButton(b), float(x), float(y));
        showSceneState();
    });
    connect(field, &DrawingField::mouseMove, this, [this](int b, double x, double y) {
        scene_->move(MouseButton(b), float(x), float(y));
        showSceneState();
    });
    connect(field, &DrawingField::mouseUp, this, [this](int b, double x, double y) {
        scene_->release(MouseButton(b), float(x), float(y));
        showSceneState();
    });
    connect(eyeSymbolBox, &ui::SymbolButton::clicked, this,
            [this] { toggleSymbol(MarkerSymbol::Eye); });
    connect(pointSymbolBox, &ui::SymbolButton::clicked, this,
            [this] { toggleSymbol(MarkerSymbol::Point); });
}

void RayPathWindow::applyLayout(const QRect &availableScreen)
{
    const RayPathLayout l = computeRayPathLayout(availableScreen);
    setGeometry(l.window);
    field->setGeometry(l.field);
    // One scene unit has the same length across and down.
    const double r = double(l.field.width()) / l.field.height();
    field->setScale(-1000, -1000 / r, 1000, 1000 / r);

    partsCaption->setGeometry(l.partsCaption);
    refractedBox->setGeometry(l.refractedBox);
    refractedExtensionBox->setGeometry(l.refractedExtensionBox);
    reflectedBox->setGeometry(l.reflectedBox);
    reflectedExtensionBox->setGeometry(l.reflectedExtensionBox);
    normalsBox->setGeometry(l.normalsBox);
    clearRaysButton->setGeometry(l.clearRaysButton);
    indexCaption->setGeometry(l.indexCaption);
    indexBar->setGeometry(l.indexBar);
    indexText->setGeometry(l.indexText);
    markersCaption->setGeometry(l.markersCaption);
    eyeSymbolBox->setGeometry(l.eyeSymbolBox);
    pointSymbolBox->setGeometry(l.pointSymbolBox);
    clearMarkersButton->setGeometry(l.clearMarkersButton);
    printButton->setGeometry(l.printButton);
    infoButton->setGeometry(l.infoButton);
    imagingButton->setGeometry(l.imagingButton);

    // A caption a little wider than its box on a small screen keeps its
    // last letters: the box grows to the caption, never past the column.
    const int columnRight = l.clearRaysButton.x() + l.clearRaysButton.width();
    for (QCheckBox *c :
         {refractedBox, refractedExtensionBox, reflectedBox, reflectedExtensionBox, normalsBox}) {
        const int wanted = std::min(c->sizeHint().width(), columnRight - c->x());
        if (c->width() < wanted)
            c->resize(wanted, c->height());
    }

    eyeSymbolBox->setScale(-100, -100, 100, 100);
    pointSymbolBox->setScale(-14, -14, 14, 14);

    upperIndexText->setGeometry(ui::sceneBox(*field, kUpperIndexBox));
    lowerIndexText->setGeometry(ui::sceneBox(*field, kLowerIndexBox));
    // Wide enough for any index the scroll bar can set.
    const QString widestIndex = numberText(1.99f);
    ui::widenToFit(upperIndexText, QStringLiteral(" n = ") + widestIndex, true);
    ui::widenToFit(lowerIndexText, QStringLiteral(" n = ") + widestIndex, true);
    ui::widenToFit(indexText, widestIndex, false);
    rayHint->adjustSize();
    objectHint->adjustSize();
    rayHint->move(field->toPixel(kRayHintAt.x(), kRayHintAt.y()));
    objectHint->move(field->toPixel(kObjectHintAt.x(), kObjectHintAt.y()));
    // The lower hint must stay inside the field however small it is.
    if (objectHint->geometry().bottom() >= field->height())
        objectHint->move(objectHint->x(),
                         std::max(0, field->height() - objectHint->height() - 2));
}

void RayPathWindow::showIndex(int scrollValue)
{
    const float n = float(scrollValue / 100.0);
    if (n < 1) {
        // The upper medium is the denser one: show the reciprocal, to two
        // decimals, halves going up.
        const float m = float(std::floor(100.0 / n + 0.5) / 100.0);
        indexText->setText(numberText(m));
        upperIndexText->setText(QStringLiteral(" n = ") + numberText(m));
        lowerIndexText->setText(QStringLiteral("n = 1 "));
    } else {
        indexText->setText(numberText(n));
        upperIndexText->setText(QStringLiteral("n = 1 "));
        lowerIndexText->setText(QStringLiteral(" n = ") + numberText(n));
    }
    scene_->setIndex(n);
}

RayParts RayPathWindow::checkedParts() const
{
    RayParts parts;
    parts.refracted = refractedBox->isChecked();
    parts.refractedExtension = refractedExtensionBox->isChecked();
    parts.reflected = reflectedBox->isChecked();
    parts.reflectedExtension = reflectedExtensionBox->isChecked();
    parts.normals = normalsBox->isChecked();
    return parts;
}

void RayPathWindow::toggleSymbol(MarkerSymbol symbol)
{
    scene_->toggleSymbol(symbol);
    showSceneState();
}

void RayPathWindow::showSceneState()
{
    field->setPointer(scene_->pointer());
    eyeSymbolBox->setChecked(scene_->armedSymbol() == MarkerSymbol::Eye);
    pointSymbolBox->setChecked(scene_->armedSymbol() == MarkerSymbol::Point);
}

void RayPathWindow::print()
{
    ui::printOnSystemPrinter(dialogs(), QStringLiteral("tavrix-strahlenverlauf.pdf"),
                             [this](canvas::PageSurface &page) { printOut(page); });
}

void RayPathWindow::printOut(canvas::PageSurface &page)
{
    const std::optional<QString> title = ui::beginPrintout(dialogs(), page);
    if (!title)
        return;  // cancelled: nothing printed, the picture stays as it is
    // The screen shows the full picture again before anything goes to paper.
    scene_->redraw();
    scene_->drawOnPaper(page);
    ui::endPrintout(page, *title, scene_->index(), ui::kRayPathLabelHeight);
}

}  // namespace raypath
