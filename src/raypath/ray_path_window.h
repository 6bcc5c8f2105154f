// The ray-path window: the field with the scene on it, and the column of
// controls that choose the rays' parts, set the index, arm the marker
// symbols, print, and lead to the other windows.
#pragma once

#include "raypath/ray_path_scene.h"
#include "ui/main_window.h"
#include "ui/symbol_button.h"

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

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

signals:
    void infoRequested();
    void imagingRequested();

private:
    void drawOnPaper(canvas::PageSurface &page) override;
    float index() const override { return scene_->index(); }
    canvas::PointerChange handleFieldEvent(const canvas::FieldEvent &event) override;
    canvas::MouseButtons touchRoleAt(QPointF at) const override { return scene_->touchRoleAt(at); }
    void createControls();
    void connectControls();
    void showIndex(int scrollValue);
    RayParts checkedParts() const;
    void toggleSymbol(MarkerSymbol symbol);
    // The scene's armed symbol as its checked palette box.
    void showArmedSymbol();

    std::unique_ptr<RayPathScene> scene_;
    // The controls of the column; tests find them by their object names.
    QLabel *partsCaption_ = nullptr;
    QCheckBox *refractedBox_ = nullptr;
    QCheckBox *refractedExtensionBox_ = nullptr;
    QCheckBox *reflectedBox_ = nullptr;
    QCheckBox *reflectedExtensionBox_ = nullptr;
    QCheckBox *normalsBox_ = nullptr;
    QPushButton *clearRaysButton_ = nullptr;
    QLabel *indexCaption_ = nullptr;
    QLineEdit *indexText_ = nullptr;
    QLabel *markersCaption_ = nullptr;
    ui::SymbolButton *eyeSymbolBox_ = nullptr;
    ui::SymbolButton *pointSymbolBox_ = nullptr;
    QPushButton *clearMarkersButton_ = nullptr;
    QPushButton *printButton_ = nullptr;
    QPushButton *infoButton_ = nullptr;
    QPushButton *imagingButton_ = nullptr;
};

}  // namespace raypath
