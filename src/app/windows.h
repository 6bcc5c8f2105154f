// The program's four windows and the moves between them.
//
// The ray-path window is made and shown at start; the imaging window and the
// two info windows are made when first shown. Hidden windows keep their
// state. An info window that the user closed is gone and is made afresh,
// with its text composed again, the next time it is shown. Closing either
// main window ends the program.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

namespace raypath {
class RayPathWindow;
}
namespace imaging {
class ImagingWindow;
}
namespace help {
class InfoWindow;
}

namespace app {

class Windows : public QObject
{
    Q_OBJECT

public:
    Windows();
    ~Windows() override;

    // Shows the ray-path window, as at start.
    void start();

    raypath::RayPathWindow *rayPathWindow() const { return rayPathWindow_.get(); }
    imaging::ImagingWindow *imagingWindow() const { return imagingWindow_.get(); }
    help::InfoWindow *rayPathInfo() const;
    help::InfoWindow *imagingInfo() const;

    void showImaging();
    void showRayPath();
    void showRayPathInfo();
    void showImagingInfo();

private:
    std::unique_ptr<raypath::RayPathWindow> rayPathWindow_;
    std::unique_ptr<imaging::ImagingWindow> imagingWindow_;
    QPointer<help::InfoWindow> rayPathInfo_;
    QPointer<help::InfoWindow> imagingInfo_;
};

// Makes a window visible (modeless) and brings it to the front.
void showInFront(QWidget *window);

}  // namespace app
