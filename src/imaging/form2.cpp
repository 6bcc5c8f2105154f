#include "imaging/form2.h"

#include "ui/fit_text.h"
#include "ui/number_text.h"
#include "ui/window_controls.h"
#include "imaging/form2_layout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

namespace imaging {

using ui::numberText;

namespace {

const char *const kCaption = "Tavrix - Abbildung von Punkten";

// Scene rectangles of the controls inside the field.
const QRectF kText2Box(800, -950, 200, 100);
const QRectF kText3Box(800, 50, 200, 100);
const QPointF kLabel3At(-980, -980);
const QPointF kLabel4At(-980, 800);

}  // namespace

Form2::Form2(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setAutoFillBackground(true);
    ui::setBackground(this, QPalette::Window, QColor(192, 192, 192));
    createControls();
    surface_ = Picture1;
    ownDialogs_ = std::make_unique<ui::QtDialogs>(this);
    dialogs_ = ownDialogs_.get();
    Form_Load();
}

void Form2::createControls()
{
    using namespace canvas;
    using namespace ui;
    Picture1 = new DrawingField(kWhite, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Label1 = makeLabel(this, "Label1", "Abbildung von");
    Option3D1 = new QRadioButton(QStringLiteral("einzelnen Punkten"), this);
    Option3D1->setObjectName(QStringLiteral("Option3D1"));
    Option3D2 = new QRadioButton(QStringLiteral("Punktreihen"), this);
    Option3D2->setObjectName(QStringLiteral("Option3D2"));
    auto *modes = new QButtonGroup(this);
    modes->addButton(Option3D1);
    modes->addButton(Option3D2);
    Option3D1->setChecked(true);
    Raster = makeCheckBox(this, "Raster", "Raster", false);
    Command1 = makeButton(this, "Command1", "Löschen");
    Label2 = makeLabel(this, "Label2", "  Brechzahl n  ");
    HScroll1 = makeIndexScrollBar(this, kInitialScroll);
    Text1 = makeIndexBox(this, "Text1", Qt::white);
    Text4 = makeIndexBox(this, "Text4");
    Command3 = makeButton(this, "Command3", "Bild Drucken");
    Command4 = makeButton(this, "Command4", "Bild alsDatei");
    Command2 = makeButton(this, "Command2", "zum Strahlenverlauf");
    Command5 = makeButton(this, "Command5", "Info");

    Text2 = makeIndexBox(Picture1, "Text2");
    Text3 = makeIndexBox(Picture1, "Text3");
    Label3 = makeFieldLabel(Picture1, "Label3", "Augenposition: linke Maustate drücken!");
    Label4 = makeFieldLabel(Picture1, "Label4", "Objektposition: rechte Maustaste drücken");

    // Every control is reached with Tab, in the order of the column, and
    // carries its caption as its accessible name.
    Picture1->setAccessibleName(QStringLiteral("Zeichenfeld"));
    Text1->setAccessibleName(QStringLiteral("Brechzahl oben"));
    Text4->setAccessibleName(QStringLiteral("Brechzahl unten"));
    Text2->setAccessibleName(QStringLiteral("Brechzahl oben"));
    Text3->setAccessibleName(QStringLiteral("Brechzahl unten"));
    chainTabOrder({Option3D1, Option3D2, Raster, Command1, HScroll1, Command3, Command4, Command2,
                   Command5});

    connect(HScroll1, &QScrollBar::valueChanged, this, &Form2::HScroll1_Change);
    connect(Raster, &QCheckBox::toggled, this, &Form2::Raster_Click);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Picture1, &canvas::DrawingField::paintRequested, this, &Form2::Picture1_Paint);
    connectMouse(Picture1, this);
}

void Form2::Form_Load()
{
    PiValue = float(4.0 * std::atan(1.0));
    const QScreen *screen = QGuiApplication::primaryScreen();
    applyLayout(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768));
    RefIndex = 1.33f;
    Text1->setText(QStringLiteral("   1.00"));
    Text4->setText(QStringLiteral("   ") + numberText(RefIndex));
    Text3->setText(QStringLiteral(" n = ") + numberText(RefIndex));
    Text2->setText(QStringLiteral(" n = 1 "));
    ObjectX = 0;
    ObjectY = 500;
    EyeX = 300;
    EyeY = -500;
}

void Form2::applyLayout(const QRect &availableScreen)
{
    const Form2Layout l = ComputeForm2Layout(availableScreen);
    setGeometry(l.window);
    Picture1->setGeometry(l.Picture1);
    const double r = double(l.Picture1.width()) / l.Picture1.height();
    Picture1->Scale(-1000, -1000 / r, 1000, 1000 / r);
    Label1->setGeometry(l.Label1);
    Option3D1->setGeometry(l.Option3D1);
    Option3D2->setGeometry(l.Option3D2);
    Raster->setGeometry(l.Raster);
    Command1->setGeometry(l.Command1);
    Label2->setGeometry(l.Label2);
    HScroll1->setGeometry(l.HScroll1);
    Text1->setGeometry(l.Text1);
    Text4->setGeometry(l.Text4);
    Command3->setGeometry(l.Command3);
    Command4->setGeometry(l.Command4);
    Command2->setGeometry(l.Command2);
    Command5->setGeometry(l.Command5);

    Text2->setGeometry(ui::sceneBox(*Picture1, kText2Box));
    Text3->setGeometry(ui::sceneBox(*Picture1, kText3Box));
    // Wide enough for any index the scroll bar can set.
    const QString widestIndex = numberText(1.99f);
    ui::widenToFit(Text2, QStringLiteral(" n = ") + widestIndex, true);
    ui::widenToFit(Text3, QStringLiteral(" n = ") + widestIndex, true);
    ui::widenToFit(Text1, QStringLiteral("   1.00"), false);
    ui::widenToFit(Text4, QStringLiteral("   1.00"), false);
    Label3->adjustSize();
    Label4->adjustSize();
    Label3->move(Picture1->toPixel(kLabel3At.x(), kLabel3At.y()));
    Label4->move(Picture1->toPixel(kLabel4At.x(), kLabel4At.y()));
}

void Form2::HScroll1_Change(int value)
{
    RefIndex = float(value / 100.0);
    if (RefIndex >= 1) {
        Text1->setText(QStringLiteral("  1.00 "));
        Text2->setText(QStringLiteral(" n = 1 "));
        Text3->setText(QStringLiteral(" n = ") + numberText(RefIndex));
        Text4->setText(QStringLiteral("  ") + numberText(RefIndex));
    } else {
        // The upper medium is the denser one: it shows the reciprocal, to two
        // decimals, halves going up.
        const float m = float(std::floor(100.0 / RefIndex + 0.5) / 100.0);
        Text1->setText(QStringLiteral("  ") + numberText(m));
        Text2->setText(QStringLiteral(" n = ") + numberText(m));
        Text3->setText(QStringLiteral(" n = 1 "));
        Text4->setText(QStringLiteral("  1.00"));
    }

    canvas::Surface &s = surface();
    s.Cls();
    DrawEye();
    drawGridIfTicked();
    drawInterfaceLine();
    if (!rowMode()) {
        DrawBundle();
        drawObjectDot();
        s.DrawWidth(1);
    } else {
        ConstructRowImages();
        DrawRowPoints();
    }
}

bool Form2::rowMode() const
{
    return Option3D2->isChecked();
}

void Form2::Command2_Click()
{
    emit rayPathRequested();
}

void Form2::Command5_Click()
{
    emit infoRequested();
}

void Form2::Form_Unload()
{
    QCoreApplication::quit();
}

void Form2::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

}  // namespace imaging
