#include "app/windows.h"

#include "help/info_window.h"
#include "imaging/imaging_window.h"
#include "raypath/form1.h"

namespace app {

void Show(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

Windows::Windows() : form1_(std::make_unique<raypath::Form1>())
{
    connect(form1_.get(), &raypath::Form1::imagingRequested, this, &Windows::showImaging);
    connect(form1_.get(), &raypath::Form1::infoRequested, this, &Windows::showRayPathInfo);
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
    Show(form1_.get());
}

void Windows::showImaging()
{
    if (!form2_) {
        form2_ = std::make_unique<imaging::ImagingWindow>();
        connect(form2_.get(), &imaging::ImagingWindow::rayPathRequested, this,
                &Windows::showRayPath);
        connect(form2_.get(), &imaging::ImagingWindow::infoRequested, this,
                &Windows::showImagingInfo);
    }
    Show(form2_.get());
    form1_->hide();
}

void Windows::showRayPath()
{
    if (form2_)
        form2_->hide();
    Show(form1_.get());
}

void Windows::showRayPathInfo()
{
    if (!rayPathInfo_)
        rayPathInfo_ = new help::InfoWindow(help::HelpTopic::RayPath);
    Show(rayPathInfo_);
}

void Windows::showImagingInfo()
{
    if (!imagingInfo_)
        imagingInfo_ = new help::InfoWindow(help::HelpTopic::Imaging);
    Show(imagingInfo_);
}

}  // namespace app
