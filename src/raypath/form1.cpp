#include "raypath/form1.h"

#include "ui/fit_text.h"
#include "ui/number_text.h"
#include "ui/window_controls.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

namespace raypath {

using ui::numberText;

namespace {

const char *const kCaption = "Tavrix   -  Strahlenverlauf";

// Scene rectangles of the controls inside the field.
const QRectF kText1Box(800, -950, 200, 100);
const QRectF kText4Box(800, 50, 200, 100);
const QPointF kLabel5At(-990, -980);
const QPointF kLabel4At(-990, 900);

}  // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QString::fromUtf8(kCaption));
    createControls();
    surface_ = Picture1;
    ownDialogs_ = std::make_unique<ui::QtDialogs>(this);
    dialogs_ = ownDialogs_.get();
    Form_Load();
}

void Form1::createControls()
{
    using namespace canvas;
    using namespace ui;
    Picture1 = new DrawingField(kWhite, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Text1 = makeIndexBox(Picture1, "Text1");
    Text4 = makeIndexBox(Picture1, "Text4");
    Label5 = makeFieldLabel(Picture1, "Label5", "Strahl verändern: linke Maustaste drücken!");
    Label4 = makeFieldLabel(Picture1, "Label4", "Objektposition: rechte Maustaste drücken!");

    Label1 = makeLabel(this, "Label1", " Wahl der Strahlen");
    Check3D1 = makeCheckBox(this, "Check3D1", "gebrochene", true);
    Check3D2 = makeCheckBox(this, "Check3D2", "Verlängerungen", true);
    Check3D3 = makeCheckBox(this, "Check3D3", "gespiegelte", false);
    Check3D4 = makeCheckBox(this, "Check3D4", "Verlängerungen", false);
    Check3D5 = makeCheckBox(this, "Check3D5", "Einfallslote", false);
    Command1 = makeButton(this, "Command1", "Strahlen löschen");
    Label6 = makeLabel(this, "Label6", "     Brechzahl n = ");
    Text3 = makeIndexBox(this, "Text3", QColor(192, 192, 192));
    HScroll1 = makeIndexScrollBar(this, kInitialScroll);

    Label3 = makeLabel(this, "Label3", " Markierungen setzen (anklicken!)");
    Picture2 = new DrawingField(kGrey, this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setMouseTracking(false);
    Picture5 = new DrawingField(kGrey, this);
    Picture5->setObjectName(QStringLiteral("Picture5"));
    Picture5->setMouseTracking(false);
    Command4 = makeButton(this, "Command4", "Markierungen löschen");
    Command2 = makeButton(this, "Command2", "Drucken");
    Command3 = makeButton(this, "Command3", "Info");
    Command5 = makeButton(this, "Command5", "zur Abbildung von Punkten");

    // The palette boxes take the focus from Tab only: a mouse click shows
    // its choice by the frame alone.
    Picture2->setFocusPolicy(Qt::TabFocus);
    Picture5->setFocusPolicy(Qt::TabFocus);
    Picture1->setAccessibleName(QStringLiteral("Zeichenfeld"));
    Picture2->setAccessibleName(QStringLiteral("Auge"));
    Picture5->setAccessibleName(QStringLiteral("Punkt"));
    Text1->setAccessibleName(QStringLiteral("Brechzahl oben"));
    Text4->setAccessibleName(QStringLiteral("Brechzahl unten"));
    Text3->setAccessibleName(QStringLiteral("Brechzahl n"));
    // Every control is reached with Tab, in the order of the column, and
    // carries its caption as its accessible name.
    chainTabOrder({Check3D1, Check3D2, Check3D3, Check3D4, Check3D5, Command1, HScroll1, Picture2,
                   Picture5, Command4, Command2, Command3, Command5});

    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(Check3D1, &QCheckBox::toggled, this, &Form1::Check3D1_Click);
    connect(Check3D2, &QCheckBox::toggled, this, &Form1::Check3D2_Click);
    connect(Check3D3, &QCheckBox::toggled, this, &Form1::Check3D3_Click);
    connect(Check3D4, &QCheckBox::toggled, this, &Form1::Check3D4_Click);
    connect(Check3D5, &QCheckBox::toggled, this, &Form1::Check3D5_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);

    connect(Picture1, &canvas::DrawingField::paintRequested, this, &Form1::Picture1_Paint);
    connectMouse(Picture1, this);
    connect(Picture2, &canvas::DrawingField::paintRequested, this, &Form1::Picture2_Paint);
    connect(Picture5, &canvas::DrawingField::paintRequested, this, &Form1::Picture5_Paint);
    connect(Picture2, &canvas::DrawingField::clicked, this, &Form1::Picture2_Click);
    connect(Picture5, &canvas::DrawingField::clicked, this, &Form1::Picture5_Click);
}

void Form1::Form_Load()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    applyLayout(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768));

    // Index displays as designed, with the user's decimal separator.
    Text1->setText(QStringLiteral(" n = 1"));
    Text4->setText(QStringLiteral(" n = ") + numberText(1.33f));
    Text3->setText(numberText(1.33f));

    PiValue = kPi;
    ObjectX = 0;
    ObjectY = 500;
    RefIndex = 1.33f;
    EffIndex = RefIndex;
    RayHitX.fill(0);
    RayCount = 0;
    AimX = AimY = 0;
    HitX = 0;
    Slope = IncidenceAngle = RefractionSine = RefractedAngle = ReflectionTurn = 0;
    RefractedEnd = RefractedBackEnd = ReflectedEnd = ReflectedBackEnd = Point{};
    ReflectedGrey = kLiveReflectedGrey;
    PointMarkX.fill(0);
    PointMarkY.fill(0);
    EyeMarkX.fill(0);
    EyeMarkY.fill(0);
    PointMarkCount = EyeMarkCount = 0;
    EyeX = EyeY = 0;
    PointSymbolArmed = EyeSymbolArmed = 0;
}

void Form1::applyLayout(const QRect &availableScreen)
{
    const Form1Layout l = ComputeForm1Layout(availableScreen);
    setGeometry(l.window);
    Picture1->setGeometry(l.Picture1);
    // One scene unit has the same length across and down.
    const double r = double(l.Picture1.width()) / l.Picture1.height();
    Picture1->Scale(-1000, -1000 / r, 1000, 1000 / r);

    Label1->setGeometry(l.Label1);
    Check3D1->setGeometry(l.Check3D1);
    Check3D2->setGeometry(l.Check3D2);
    Check3D3->setGeometry(l.Check3D3);
    Check3D4->setGeometry(l.Check3D4);
    Check3D5->setGeometry(l.Check3D5);
    Command1->setGeometry(l.Command1);
    Label6->setGeometry(l.Label6);
    HScroll1->setGeometry(l.HScroll1);
    Text3->setGeometry(l.Text3);
    Label3->setGeometry(l.Label3);
    Picture2->setGeometry(l.Picture2);
    Picture5->setGeometry(l.Picture5);
    Command4->setGeometry(l.Command4);
    Command2->setGeometry(l.Command2);
    Command3->setGeometry(l.Command3);
    Command5->setGeometry(l.Command5);

    // A caption a little wider than its box on a small screen keeps its
    // last letters: the box grows to the caption, never past the column.
    const int columnRight = l.Command1.x() + l.Command1.width();
    for (QCheckBox *c : {Check3D1, Check3D2, Check3D3, Check3D4, Check3D5}) {
        const int wanted = std::min(c->sizeHint().width(), columnRight - c->x());
        if (c->width() < wanted)
            c->resize(wanted, c->height());
    }

    Picture2->Scale(-100, -100, 100, 100);
    Picture5->Scale(-14, -14, 14, 14);

    Text1->setGeometry(ui::sceneBox(*Picture1, kText1Box));
    Text4->setGeometry(ui::sceneBox(*Picture1, kText4Box));
    // Wide enough for any index the scroll bar can set.
    const QString widestIndex = numberText(1.99f);
    ui::widenToFit(Text1, QStringLiteral(" n = ") + widestIndex, true);
    ui::widenToFit(Text4, QStringLiteral(" n = ") + widestIndex, true);
    ui::widenToFit(Text3, widestIndex, false);
    Label5->adjustSize();
    Label4->adjustSize();
    Label5->move(Picture1->toPixel(kLabel5At.x(), kLabel5At.y()));
    Label4->move(Picture1->toPixel(kLabel4At.x(), kLabel4At.y()));
    // The lower hint must stay inside the field however small it is.
    if (Label4->geometry().bottom() >= Picture1->height())
        Label4->move(Label4->x(), std::max(0, Picture1->height() - Label4->height() - 2));
}

void Form1::HScroll1_Change(int value)
{
    RefIndex = float(value / 100.0);
    if (RefIndex < 1) {
        // The upper medium is the denser one: show the reciprocal, to two
        // decimals, halves going up.
        const float m = float(std::floor(100.0 / RefIndex + 0.5) / 100.0);
        Text3->setText(numberText(m));
        Text1->setText(QStringLiteral(" n = ") + numberText(m));
        Text4->setText(QStringLiteral("n = 1 "));
    } else {
        Text3->setText(numberText(RefIndex));
        Text1->setText(QStringLiteral("n = 1 "));
        Text4->setText(QStringLiteral(" n = ") + numberText(RefIndex));
    }
    EffIndex = effectiveIndex(ObjectY, RefIndex);
    redrawScene();
}

void Form1::Command3_Click()
{
    emit infoRequested();
}

void Form1::Command5_Click()
{
    emit imagingRequested();
}

void Form1::Form_Unload()
{
    QCoreApplication::quit();
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

}  // namespace raypath
