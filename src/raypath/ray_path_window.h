// The ray-path window: the field with the scene on it, and the column of
// controls that choose the rays' parts, set the index, arm the marker
// symbols, print, and lead to the other windows.
#pragma once

#include "ui/field_controls.h"
#include "ui/main_window.h"
#include "canvas/drawing_field.h"
#include "canvas/page.h"
#include "raypath/ray_path_scene.h"

#include <QWidget>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace raypath {

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


    // "Drucken" runs the whole command on a printer of the system (or a PDF
    // file); printOut runs it on any page.
    void print();
    void printOut(canvas::PageSurface &page);

signals:
    void infoRequested();
    void imagingRequested();

private:
    // The controls; tests find them by their object names.
    canvas::DrawingField *field_ = nullptr;
    QLabel *partsCaption_ = nullptr;
    QCheckBox *refractedBox_ = nullptr;
    QCheckBox *refractedExtensionBox_ = nullptr;
    QCheckBox *reflectedBox_ = nullptr;
    QCheckBox *reflectedExtensionBox_ = nullptr;
    QCheckBox *normalsBox_ = nullptr;
    QPushButton *clearRaysButton_ = nullptr;
    QLabel *indexCaption_ = nullptr;
    QLineEdit *indexText_ = nullptr;
    QScrollBar *indexBar_ = nullptr;
    QLabel *markersCaption_ = nullptr;
    canvas::DrawingField *eyeSymbolBox_ = nullptr;
    canvas::DrawingField *pointSymbolBox_ = nullptr;
    QPushButton *clearMarkersButton_ = nullptr;
    QPushButton *printButton_ = nullptr;
    QPushButton *infoButton_ = nullptr;
    QPushButton *imagingButton_ = nullptr;

    void createControls();
    void connectControls();
    void showIndex(int scrollValue);
    RayParts checkedParts() const;
    void paintEyeSymbolBox();
    void paintPointSymbolBox();
    void toggleSymbol(MarkerSymbol symbol);
    // The scene's pointer on the field, and its armed symbol as the frame
    // of its palette box.
    void showSceneState();

    std::unique_ptr<RayPathScene> scene_;
    std::unique_ptr<ui::FieldControls> fieldControls_;
};

}  // namespace raypath
