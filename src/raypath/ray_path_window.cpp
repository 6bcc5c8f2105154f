#include "raypath/ray_path_window.h"

#include "canvas/eye_symbol.h"
#include "ui/field_controls.h"
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

}  // namespace

RayPathWindow::RayPathWindow(QWidget *parent) : ui::MainWindow(parent)
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
    field_ = new DrawingField(kWhite, this);
    field_->setObjectName(QStringLiteral("field"));
    scene_ = std::make_unique<RayPathScene>(*field_);
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
    indexBar_ = makeIndexScrollBar(this);
    indexBar_->setObjectName(QStringLiteral("indexBar"));

    markersCaption_ = makeLabel(this, "markersCaption", " Markierungen setzen (anklicken!)");
    eyeSymbolBox_ = new DrawingField(kGrey, this);
    eyeSymbolBox_->setObjectName(QStringLiteral("eyeSymbolBox"));
    eyeSymbolBox_->setMouseTracking(false);
    pointSymbolBox_ = new DrawingField(kGrey, this);
    pointSymbolBox_->setObjectName(QStringLiteral("pointSymbolBox"));
    pointSymbolBox_->setMouseTracking(false);
    clearMarkersButton_ = makeButton(this, "clearMarkersButton", "Markierungen löschen");
    printButton_ = makeButton(this, "printButton", "Drucken");
    infoButton_ = makeButton(this, "infoButton", "Info");
    imagingButton_ = makeButton(this, "imagingButton", "zur Abbildung von Punkten");

    // The palette boxes take the focus from Tab only: a mouse click shows
    // its choice by the frame alone.
    eyeSymbolBox_->setFocusPolicy(Qt::TabFocus);
    pointSymbolBox_->setFocusPolicy(Qt::TabFocus);
    field_->setAccessibleName(QStringLiteral("Zeichenfeld"));
    eyeSymbolBox_->setAccessibleName(QStringLiteral("Auge"));
    pointSymbolBox_->setAccessibleName(QStringLiteral("Punkt"));
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
    connect(field_, &DrawingField::mouseDown, this, [this](int b, double x, double y) {
        scene_->press(MouseButton(b), float(x), float(y));
        showSceneState();
    });
    connect(field_, &DrawingField::mouseMove, this, [this](int b, double x, double y) {
        scene_->move(MouseButton(b), float(x), float(y));
        showSceneState();
    });
    connect(field_, &DrawingField::mouseUp, this, [this](int b, double x, double y) {
        scene_->release(MouseButton(b), float(x), float(y));
        showSceneState();
    });
    connect(eyeSymbolBox_, &DrawingField::paintRequested, this, &RayPathWindow::paintEyeSymbolBox);
    connect(pointSymbolBox_, &DrawingField::paintRequested, this,
            &RayPathWindow::paintPointSymbolBox);
    connect(eyeSymbolBox_, &DrawingField::clicked, this,
            [this] { toggleSymbol(MarkerSymbol::Eye); });
    connect(pointSymbolBox_, &DrawingField::clicked, this,
            [this] { toggleSymbol(MarkerSymbol::Point); });
}

void RayPathWindow::applyLayout(const QRect &availableScreen)
{
    const RayPathLayout l(availableScreen);
    setGeometry(l.window);
    field_->setGeometry(l.field);
    ui::setSquareScale(*field_);

    partsCaption_->setGeometry(l.partsCaption);
    refractedBox_->setGeometry(l.refractedBox);
    refractedExtensionBox_->setGeometry(l.refractedExtensionBox);
    reflectedBox_->setGeometry(l.reflectedBox);
    reflectedExtensionBox_->setGeometry(l.reflectedExtensionBox);
    normalsBox_->setGeometry(l.normalsBox);
    clearRaysButton_->setGeometry(l.clearRaysButton);
    indexCaption_->setGeometry(l.indexCaption);
    indexBar_->setGeometry(l.indexBar);
    indexText_->setGeometry(l.indexText);
    markersCaption_->setGeometry(l.markersCaption);
    eyeSymbolBox_->setGeometry(l.eyeSymbolBox);
    pointSymbolBox_->setGeometry(l.pointSymbolBox);
    clearMarkersButton_->setGeometry(l.clearMarkersButton);
    printButton_->setGeometry(l.printButton);
    infoButton_->setGeometry(l.infoButton);
    imagingButton_->setGeometry(l.imagingButton);

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

    fieldControls_->place();
    // Wide enough for any index the scroll bar can set.
    ui::widenToFit(indexText_, numberText(1.99f), false);
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

void RayPathWindow::paintEyeSymbolBox()
{
    eyeSymbolBox_->setPenWidth(3);
    eyeSymbolBox_->circle(0, 0, canvas::kEyeRadius);
    eyeSymbolBox_->setPenWidth(10);
    eyeSymbolBox_->dot(-canvas::kPupilDistance, 0);
    eyeSymbolBox_->setPenWidth(1);
}

void RayPathWindow::paintPointSymbolBox()
{
    pointSymbolBox_->setPenWidth(5);
    pointSymbolBox_->dot(0, 0);
}

void RayPathWindow::toggleSymbol(MarkerSymbol symbol)
{
    scene_->toggleSymbol(symbol);
    showSceneState();
}

void RayPathWindow::showSceneState()
{
    field_->setPointer(scene_->pointer());
    eyeSymbolBox_->setFramed(scene_->armedSymbol() == MarkerSymbol::Eye);
    pointSymbolBox_->setFramed(scene_->armedSymbol() == MarkerSymbol::Point);
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
