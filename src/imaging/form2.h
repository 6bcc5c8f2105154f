// The imaging window: an eye in the upper medium looks at an object point P
// in the lower medium; a narrow bundle of rays from P is refracted towards
// the eye, and the image point P' where their backward extensions meet is
// marked in red. Single points or rows of up to 100 points can be imaged.
#pragma once

#include "ui/dialogs.h"
#include "canvas/drawing_field.h"
#include "canvas/page.h"
#include "optics/image_construction.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace imaging {

using namespace optics;

inline constexpr int kMaxRowPoints = 100;
inline constexpr int kInitialScroll = 133;

// Pens of the dots: P, row points and image points are 5 pixels wide on the
// screen and 20 printer pixels on paper.
inline constexpr int kScreenDotPen = 5;
inline constexpr int kScreenImagePen = 5;
inline constexpr int kPaperDotPen = 20;

class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    void applyLayout(const QRect &availableScreen);

    // Every drawing routine draws on this surface: Picture1 unless a test
    // puts a recording in its place.
    canvas::Surface &surface() { return *surface_; }
    void setSurface(canvas::Surface *s) { surface_ = s ? s : Picture1; }

    // Controls.
    canvas::DrawingField *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QRadioButton *Option3D1 = nullptr;
    QRadioButton *Option3D2 = nullptr;
    QCheckBox *Raster = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label2 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text4 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command5 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;

    // State of the view. Positions and the index are held as float, the
    // count as a 16-bit integer; entry 0 of the row store stays empty.
    float ObjectX = 0, ObjectY = 500;
    float EyeX = 300, EyeY = -500;
    float RefIndex = 1.33f;
    float PiValue = 0;
    std::array<float, kMaxRowPoints + 1> PointX{}, PointY{};
    std::int16_t PointCount = 0;
    // A right press in a full row is refused, and so are its drag and release.
    bool rowPressRefused = false;
    float CentralX = 0;

    void Form_Load();
    void Form_Unload();
    void HScroll1_Change(int value);

    // Rendering.
    void DrawBundle();
    void MarkImagePoint();
    void ConstructRowImages();
    void DrawEye();
    void EraseEye();
    void DrawRowPoints();
    void Picture1_Paint();

    // The grid.
    void DrawGrid();
    void EraseGrid();
    void Raster_Click();

    // Mouse and commands.
    void Picture1_MouseDown(int button, float x, float y);
    void Picture1_MouseMove(int buttons, float x, float y);
    void Picture1_MouseUp(int button, float x, float y);
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();

    // "Bild Drucken": the whole command on a printer of the system (or a PDF
    // file); printOut runs it on any page.
    void Command3_Click();
    void printOut(canvas::PageSurface &page);
    void PrintBundle(canvas::PageSurface &page);
    void PrintImagePoint(canvas::PageSurface &page);
    void PrintRowImages(canvas::PageSurface &page);
    void PrintRowPoints(canvas::PageSurface &page);
    void PrintGrid(canvas::PageSurface &page);
    void PrintEye(canvas::PageSurface &page);

    // "Bild alsDatei": saves the picture as a Windows bitmap.
    void Command4_Click();
    // The full picture of the current mode, as the user expects to see it.
    void redrawPicture();

    // The dialogues the commands ask through; the platform's unless a test
    // puts scripted ones in their place.
    ui::Dialogs &dialogs() { return *dialogs_; }
    void setDialogs(ui::Dialogs *d) { dialogs_ = d ? d : ownDialogs_.get(); }

    bool rowMode() const;

signals:
    // "zum Strahlenverlauf" and "Info": the application switches windows.
    void rayPathRequested();
    void infoRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void drawInterfaceLine();
    void drawObjectDot();
    void eraseObjectDot();
    void markImage(canvas::Surface &s, Point image, int pen);
    void bundleOn(canvas::Surface &s, int imagePen);
    void rowImagesOn(canvas::Surface &s, int imagePen);
    void rowPointsOn(canvas::Surface &s, int pen);
    void gridOn(canvas::Surface &s, int pen);
    void drawGridIfTicked();
    Point eye() const { return {EyeX, EyeY}; }

    canvas::Surface *surface_ = nullptr;
    std::unique_ptr<ui::Dialogs> ownDialogs_;
    ui::Dialogs *dialogs_ = nullptr;
};

}  // namespace imaging
