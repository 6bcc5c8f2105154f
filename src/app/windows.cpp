#include "app/windows.h"

#include "help/info_window.h"
#include "imaging/imaging_window.h"
#include "raypath/ray_path_window.h"

namespace app {

void showInFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

Windows::Windows() : rayPathWindow_(std::make_unique<raypath::RayPathWindow>())
{
    connect(rayPathWindow_.get(), &raypath::RayPathWindow::imagingRequested, this, &Windows::showImaging);
    connect(rayPathWindow_.get(), &raypath::RayPathWindow::infoRequested, this, &Windows::showRayPathInfo);
}

Windows::~Windows()
{
    delete rayPathInfo_.data();
    delete imagingInfo_.data();
}

help::InfoWindow *Windows::rayPathInfo() const
{
    return rayPathInfo_;
}

help::InfoWindow *Windows::imagingInfo() const
{
    return imagingInfo_;
}

void Windows::start()
{
    showInFront(rayPathWindow_.get());
}

void Windows::showImaging()
{
    if (!imagingWindow_) {
        imagingWindow_ = std::make_unique<imaging::ImagingWindow>();
        connect(imagingWindow_.get(), &imaging::ImagingWindow::rayPathRequested, this,
                &Windows::showRayPath);
        connect(imagingWindow_.get(), &imaging::ImagingWindow::infoRequested, this,
                &Windows::showImagingInfo);
    }
    showInFront(imagingWindow_.get());
    rayPathWindow_->hide();
}

void Windows::showRayPath()
{
    if (imagingWindow_)
        imagingWindow_->hide();
    showInFront(rayPathWindow_.get());
}

void Windows::showRayPathInfo()
{
    if (!rayPathInfo_)
        rayPathInfo_ = new help::InfoWindow(help::HelpTopic::RayPath);
    showInFront(rayPathInfo_);
}

void Windows::showImagingInfo()
{
    if (!imagingInfo_)
        imagingInfo_ = new help::InfoWindow(help::HelpTopic::Imaging);
    showInFront(imagingInfo_);
}

}  // namespace app
