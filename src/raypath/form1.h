// The ray-path window: rays leave the object point P, meet the interface and
// are drawn refracted, reflected, extended and with their normals.
#pragma once

#include "ui/dialogs.h"
#include "canvas/drawing_field.h"
#include "canvas/page.h"
#include "raypath/form1_layout.h"
#include "raypath/ray_drawing.h"
#include "optics/ray_geometry.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace raypath {

using namespace optics;

inline constexpr int kMaxRays = 100;
inline constexpr int kMaxMarkers = 20;
inline constexpr int kInitialScroll = 133;

// Pens of the ray scene: the screen's, and the wider ones of paper.
struct RayScenePens {
    int objectDot;
    int interfaceLine;
    double interfaceHalfLength;
    int rays;
    RayLook look;
};
inline constexpr RayScenePens kScreenRayPens{5, 2, 2000, 1, {canvas::kBlack, canvas::kDotted}};
inline constexpr RayScenePens kPaperRayPens{20, 3, 1200, 2,
                                            {qRgb(100, 100, 100), canvas::kDashed}};

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // Lays the window out for a screen area; Form_Load uses the primary
    // screen's available area.
    void applyLayout(const QRect &availableScreen);

    // Every drawing routine draws on this surface: Picture1 unless a test
    // puts a recording in its place.
    canvas::Surface &surface() { return *surface_; }
    void setSurface(canvas::Surface *s) { surface_ = s ? s : Picture1; }

    // Controls.
    canvas::DrawingField *Picture1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label1 = nullptr;
    QCheckBox *Check3D1 = nullptr;
    QCheckBox *Check3D2 = nullptr;
    QCheckBox *Check3D3 = nullptr;
    QCheckBox *Check3D4 = nullptr;
    QCheckBox *Check3D5 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *Text3 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QLabel *Label3 = nullptr;
    canvas::DrawingField *Picture2 = nullptr;
    canvas::DrawingField *Picture5 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command5 = nullptr;

    // State of the view. Positions, angles and indices are held as float,
    // counters as 16-bit integers; entry 0 of each store stays empty.
    float PiValue = kPi;
    float ObjectX = 0, ObjectY = 500;
    float RefIndex = 1.33f;
    double EffIndex = 1.33f;
    std::array<float, kMaxRays + 1> RayHitX{};
    std::int16_t RayCount = 0;
    float AimX = 0, AimY = 0;
    float HitX = 0;
    float Slope = 0, IncidenceAngle = 0, RefractionSine = 0, RefractedAngle = 0,
          ReflectionTurn = 0;
    Point RefractedEnd, RefractedBackEnd, ReflectedEnd, ReflectedBackEnd;
    std::int16_t ReflectedGrey = 200;
    std::array<float, kMaxMarkers + 1> PointMarkX{}, PointMarkY{};
    std::int16_t PointMarkCount = 0;
    std::array<float, kMaxMarkers + 1> EyeMarkX{}, EyeMarkY{};
    std::int16_t EyeMarkCount = 0;
    float EyeX = 0, EyeY = 0;
    std::int16_t PointSymbolArmed = 0, EyeSymbolArmed = 0;

    // Load and the scroll bar.
    void Form_Load();
    void Form_Unload();
    void HScroll1_Change(int value);

    // Rendering.
    void RedrawRays();
    void DrawLiveRay();
    void Picture1_Paint();
    void Check3D1_Click();
    void Check3D2_Click();
    void Check3D3_Click();
    void Check3D4_Click();
    void Check3D5_Click();

    // Mouse and "Strahlen löschen".
    void Picture1_MouseDown(int button, float x, float y);
    void Picture1_MouseMove(int buttons, float x, float y);
    void Picture1_MouseUp(int button, float x, float y);
    void Command1_Click();

    // Markers and their palette.
    void DrawEye();
    void EraseEye();
    void RedrawMarkers();
    void Picture2_Click();
    void Picture5_Click();
    void Picture2_Paint();
    void Picture5_Paint();
    void Command4_Click();

    // "Info" and "zur Abbildung von Punkten": the application switches windows.
    void Command3_Click();
    void Command5_Click();

    // Printing: "Drucken" runs the whole command on a printer of the
    // system (or a PDF file); printOut runs it on any page.
    void Command2_Click();
    void printOut(canvas::PageSurface &page);
    void PrintRays(canvas::PageSurface &page);
    void PrintMarkers(canvas::PageSurface &page);

    // The dialogues the commands ask through; the platform's unless a test
    // puts scripted ones in their place.
    ui::Dialogs &dialogs() { return *dialogs_; }
    void setDialogs(ui::Dialogs *d) { dialogs_ = d ? d : ownDialogs_.get(); }

signals:
    void infoRequested();
    void imagingRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    RayParts checkedParts() const;
    // Cls and the full scene.
    void redrawScene();
    Point objectPoint() const { return {ObjectX, ObjectY}; }
    void keepRay(const RayConstruction &ray);
    void eraseLiveRay();
    void moveObject(float x, float y);
    Point eyeTarget() const;
    void placeMarkerPress(float x, float y);
    void placeMarkerMove(float x, float y);
    void placeMarkerRelease(float x, float y);
    void disarmSymbols();

    void drawRayScene(canvas::Surface &s, const RayScenePens &pens);

    canvas::Surface *surface_ = nullptr;
    std::unique_ptr<ui::Dialogs> ownDialogs_;
    ui::Dialogs *dialogs_ = nullptr;
};

}  // namespace raypath
