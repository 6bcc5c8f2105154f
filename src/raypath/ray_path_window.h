// The ray-path window: the field with the scene on it, and the column of
// controls that choose the rays' parts, set the index, arm the marker
// symbols, print, and lead to the other windows.
#pragma once

#include "ui/main_window.h"
#include "canvas/drawing_field.h"
#include "canvas/page.h"
#include "raypath/ray_path_scene.h"
#include "ui/symbol_button.h"

#include <QWidget>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace raypath {

// The index scroll bar's value at start: n = 1.33.

class RayPathWindow : public ui::MainWindow
{
    Q_OBJECT

public:
    explicit RayPathWindow(QWidget *parent = nullptr);
    ~RayPathWindow() override;

    // Lays the window out for a screen area; at start the primary screen's
    // available area.
    void applyLayout(const QRect &availableScreen);

    RayPathScene &scene() { return *scene_; }
    const RayPathScene &scene() const { return *scene_; }

    // Controls.
    canvas::DrawingField *field = nullptr;
    QLineEdit *upperIndexText = nullptr;
    QLineEdit *lowerIndexText = nullptr;
    QLabel *rayHint = nullptr;
    QLabel *objectHint = nullptr;
    QLabel *partsCaption = nullptr;
    QCheckBox *refractedBox = nullptr;
    QCheckBox *refractedExtensionBox = nullptr;
    QCheckBox *reflectedBox = nullptr;
    QCheckBox *reflectedExtensionBox = nullptr;
    QCheckBox *normalsBox = nullptr;
    QPushButton *clearRaysButton = nullptr;
    QLabel *indexCaption = nullptr;
    QLineEdit *indexText = nullptr;
    QScrollBar *indexBar = nullptr;
    QLabel *markersCaption = nullptr;
    ui::SymbolButton *eyeSymbolBox = nullptr;
    ui::SymbolButton *pointSymbolBox = nullptr;
    QPushButton *clearMarkersButton = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *infoButton = nullptr;
    QPushButton *imagingButton = nullptr;

    // "Drucken" runs the whole command on a printer of the system (or a PDF
    // file); printOut runs it on any page.
    void print();
    void printOut(canvas::PageSurface &page);


signals:
    void infoRequested();
    void imagingRequested();

private:
    void createControls();
    void connectControls();
    void showIndex(int scrollValue);
    RayParts checkedParts() const;
    void toggleSymbol(MarkerSymbol symbol);
    // The scene's pointer on the field, and its armed symbol as its checked
    // palette box.
    void showSceneState();

    std::unique_ptr<RayPathScene> scene_;
};

}  // namespace raypath
