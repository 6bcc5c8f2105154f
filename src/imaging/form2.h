// The imaging window: an eye in the upper medium looks at an object point P
// in the lower medium; a narrow bundle of rays from P is refracted towards
// the eye, and the image point P' where their backward extensions meet is
// marked in red. Single points or rows of up to 100 points can be imaged.
#pragma once

#include "canvas/drawing_field.h"
#include "imaging/image_construction.h"

#include <QWidget>
#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace imaging {

inline constexpr int kMaxRowPoints = 100;
inline constexpr int kInitialScroll = 133;

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
    void markImage(ScenePoint image);
    void drawGridIfTicked();
    ScenePoint eye() const { return {EyeX, EyeY}; }

    canvas::Surface *surface_ = nullptr;
};

}  // namespace imaging
