// The imaging window: the field with its scene, and beside it the column of
// controls that switch the mode and the grid, set the index, clear the row,
// print, save the picture and lead to the other windows.
#pragma once

#include "imaging/imaging_scene.h"
#include "ui/main_window.h"

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace imaging {

class ImagingWindow : public ui::MainWindow
{
    Q_OBJECT

public:
    explicit ImagingWindow(QWidget *parent = nullptr);
    ~ImagingWindow() override;

    void applyLayout(const QRect &availableScreen);

    ImagingScene &scene() { return *scene_; }
    const ImagingScene &scene() const { return *scene_; }

    // "Bild alsDatei": saves the picture as a PNG, JPEG or Windows bitmap
    // file, as the name's extension asks.
    void saveBitmap();

signals:
    // "zum Strahlenverlauf" and "Info": the application switches windows.
    void rayPathRequested();
    void infoRequested();

private:
    void drawOnPaper(canvas::PageSurface &page) override;
    float index() const override { return scene_->index(); }
    void createControls();
    void showIndex(int barValue);
    canvas::PointerChange handleFieldEvent(const canvas::FieldEvent &event) override;
    canvas::MouseButtons touchRoleAt(QPointF at) const override { return scene_->touchRoleAt(at); }

    std::unique_ptr<ImagingScene> scene_;
    // The controls of the column; tests find them by their object names.
    QLabel *modeLabel_ = nullptr;
    QRadioButton *singlePointsButton_ = nullptr;
    QRadioButton *pointRowsButton_ = nullptr;
    QCheckBox *gridBox_ = nullptr;
    QPushButton *clearRowButton_ = nullptr;
    QLabel *indexLabel_ = nullptr;
    QLineEdit *upperIndexBox_ = nullptr;
    QLineEdit *lowerIndexBox_ = nullptr;
    QPushButton *printButton_ = nullptr;
    QPushButton *saveBitmapButton_ = nullptr;
    QPushButton *rayPathButton_ = nullptr;
    QPushButton *infoButton_ = nullptr;
};

}  // namespace imaging
