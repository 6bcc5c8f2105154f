#include "raypath/ray_path_window.h"

#include "canvas/eye_symbol.h"
#include "ui/field_controls.h"
#include "ui/fit_text.h"
#include "ui/number_text.h"
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

// Deliberate: three blanks before the hyphen and two after it, the title as it has always read.
const char *const kCaption = "Tavrix   -  Strahlenverlauf";

// The palette's symbols, in the boxes' scene units: the eye looks to the
// left, with a smaller pupil than on the field.
constexpr canvas::EyePens kPaletteEyePens{.circle = 3, .pupil = 10};
constexpr double kPalettePointPen = 5;

void drawEyeSymbolBox(canvas::Surface &s)
{
    s.circle(0, 0, canvas::kEyeRadius, {kPaletteEyePens.circle});
    s.dot(-canvas::kPupilDistance, 0, {kPaletteEyePens.pupil});
}

void drawPointSymbolBox(canvas::Surface &s)
{
    s.dot(0, 0, {kPalettePointPen});
}

}  // namespace

RayPathWindow::RayPathWindow(QWidget *parent)
    : ui::MainWindow({"tavrix-strahlenverlauf.pdf", 0.6}, parent)
{
    setWindowTitle(QString::fromUtf8(kCaption));
    createControls();
    connectControls();

    applyLayout(availableScreenArea());
    // Index displays as designed, with the user's decimal separator.
    fieldControls_->setIndexTexts(QStringLiteral(" n = 1"),
                                  QStringLiteral(" n = ") + numberText(1.33f));
    indexText_->setText(numberText(1.33f));
}

RayPathWindow::~RayPathWindow() = default;

void RayPathWindow::createControls()
{
    using namespace canvas;
    using namespace ui;
    scene_ = std::make_unique<RayPathScene>(field_->raster());
    fieldControls_ = std::make_unique<FieldControls>(
        *field_, "upperIndexText", "lowerIndexText",
        FieldControls::Hint{"rayHint", "Strahl verändern: linke Maustaste drücken!", {-990, -980}},
        FieldControls::Hint{"objectHint", "Objektposition: rechte Maustaste drücken!",
                            {-990, 900}});

    partsCaption_ = makeLabel(this, "partsCaption", " Wahl der Strahlen");
    refractedBox_ = makeCheckBox(this, "refractedBox", "gebrochene", true);
    refractedExtensionBox_ = makeCheckBox(this, "refractedExtensionBox", "Verlängerungen", true);
    reflectedBox_ = makeCheckBox(this, "reflectedBox", "gespiegelte", false);
    reflectedExtensionBox_ = makeCheckBox(this, "reflectedExtensionBox", "Verlängerungen", false);
    normalsBox_ = makeCheckBox(this, "normalsBox", "Einfallslote", false);
    clearRaysButton_ = makeButton(this, "clearRaysButton", "Strahlen löschen");
    indexCaption_ = makeLabel(this, "indexCaption", "     Brechzahl n = ");
    indexText_ = makeIndexBox(this, "indexText", QColor(192, 192, 192));

    markersCaption_ = makeLabel(this, "markersCaption", " Markierungen setzen (anklicken!)");
    eyeSymbolBox_ = new SymbolButton(QStringLiteral("Auge"), this);
    eyeSymbolBox_->setObjectName(QStringLiteral("eyeSymbolBox"));
    eyeSymbolBox_->setSymbol(drawEyeSymbolBox);
    pointSymbolBox_ = new SymbolButton(QStringLiteral("Punkt"), this);
    pointSymbolBox_->setObjectName(QStringLiteral("pointSymbolBox"));
    pointSymbolBox_->setSymbol(drawPointSymbolBox);
    clearMarkersButton_ = makeButton(this, "clearMarkersButton", "Markierungen löschen");
    printButton_ = makeButton(this, "printButton", "Drucken");
    infoButton_ = makeButton(this, "infoButton", "Info");
    imagingButton_ = makeButton(this, "imagingButton", "zur Abbildung von Punkten");

    indexText_->setAccessibleName(QStringLiteral("Brechzahl n"));
    // Every control is reached with Tab, in the order of the column, and
    // carries its caption as its accessible name.
    chainTabOrder({refractedBox_, refractedExtensionBox_, reflectedBox_, reflectedExtensionBox_,
                   normalsBox_, clearRaysButton_, indexBar_, eyeSymbolBox_, pointSymbolBox_,
                   clearMarkersButton_, printButton_, infoButton_, imagingButton_});
}

void RayPathWindow::connectControls()
{
    using canvas::DrawingField;
    connect(indexBar_, &QScrollBar::valueChanged, this, &RayPathWindow::showIndex);
    for (QCheckBox *box :
         {refractedBox_, refractedExtensionBox_, reflectedBox_, reflectedExtensionBox_, normalsBox_})
        connect(box, &QCheckBox::toggled, this, [this] { scene_->setParts(checkedParts()); });
    connect(clearRaysButton_, &QPushButton::clicked, this, [this] { scene_->clearRays(); });
    connect(clearMarkersButton_, &QPushButton::clicked, this, [this] { scene_->clearMarkers(); });
    connect(printButton_, &QPushButton::clicked, this, &RayPathWindow::print);
    connect(infoButton_, &QPushButton::clicked, this, &RayPathWindow::infoRequested);
    connect(imagingButton_, &QPushButton::clicked, this, &RayPathWindow::imagingRequested);

    connect(field_, &DrawingField::paintRequested, this, [this] { scene_->drawFirstPicture(); });
    connect(eyeSymbolBox_, &ui::SymbolButton::clicked, this,
            [this] { toggleSymbol(MarkerSymbol::Eye); });
    connect(pointSymbolBox_, &ui::SymbolButton::clicked, this,
            [this] { toggleSymbol(MarkerSymbol::Point); });
}

void RayPathWindow::applyLayout(const QRect &availableScreen)
{
    const RayPathLayout l(availableScreen);
    applyFrame(l, {{partsCaption_, l.partsCaption}, {refractedBox_, l.refractedBox},
                   {refractedExtensionBox_, l.refractedExtensionBox},
                   {reflectedBox_, l.reflectedBox},
                   {reflectedExtensionBox_, l.reflectedExtensionBox}, {normalsBox_, l.normalsBox},
                   {clearRaysButton_, l.clearRaysButton}, {indexCaption_, l.indexCaption},
                   {indexBar_, l.indexBar}, {indexText_, l.indexText},
                   {markersCaption_, l.markersCaption}, {eyeSymbolBox_, l.eyeSymbolBox},
                   {pointSymbolBox_, l.pointSymbolBox},
                   {clearMarkersButton_, l.clearMarkersButton}, {printButton_, l.printButton},
                   {infoButton_, l.infoButton}, {imagingButton_, l.imagingButton}});

    // A caption a little wider than its box on a small screen keeps its
    // last letters: the box grows to the caption, never past the column.
    const int columnRight = l.clearRaysButton.x() + l.clearRaysButton.width();
    for (QCheckBox *c :
         {refractedBox_, refractedExtensionBox_, reflectedBox_, reflectedExtensionBox_, normalsBox_}) {
        const int wanted = std::min(c->sizeHint().width(), columnRight - c->x());
        if (c->width() < wanted)
            c->resize(wanted, c->height());
    }

    eyeSymbolBox_->setScale(-100, -100, 100, 100);
    pointSymbolBox_->setScale(-14, -14, 14, 14);

    // Wide enough for any index the scroll bar can set.
    ui::widenToFit(indexText_, numberText(1.99f), false);
    fitWidthToColumn();
}

void RayPathWindow::showIndex(int scrollValue)
{
    const float n = float(scrollValue / 100.0);
    const ui::ShownIndex shown = ui::shownIndex(n);
    indexText_->setText(numberText(shown.value));
    fieldControls_->showIndex(shown, QStringLiteral("n = 1 "));
    scene_->setIndex(n);
}

RayParts RayPathWindow::checkedParts() const
{
    RayParts parts;
    parts.refracted = refractedBox_->isChecked();
    parts.refractedExtension = refractedExtensionBox_->isChecked();
    parts.reflected = reflectedBox_->isChecked();
    parts.reflectedExtension = reflectedExtensionBox_->isChecked();
    parts.normals = normalsBox_->isChecked();
    return parts;
}

void RayPathWindow::toggleSymbol(MarkerSymbol symbol)
{
    scene_->toggleSymbol(symbol);
    showArmedSymbol();
}

canvas::PointerChange RayPathWindow::handleFieldEvent(const canvas::FieldEvent &event)
{
    const canvas::PointerChange change = scene_->handle(event);
    showArmedSymbol();  // a symbol placed disarms the palette
    return change;
}

void RayPathWindow::showArmedSymbol()
{
    eyeSymbolBox_->setChecked(scene_->armedSymbol() == MarkerSymbol::Eye);
    pointSymbolBox_->setChecked(scene_->armedSymbol() == MarkerSymbol::Point);
}

void RayPathWindow::drawOnPaper(canvas::PageSurface &page)
{
    // The screen shows the full picture again before anything goes to paper.
    scene_->redraw();
    scene_->drawOnPaper(page);
}

}  // namespace raypath
