#include "app/windows.h"

#include "help/info_window.h"
#include "imaging/form2.h"
#include "raypath/ray_path_window.h"

namespace app {

void Show(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

Windows::Windows() : form1_(std::make_unique<raypath::RayPathWindow>())
{
    connect(form1_.get(), &raypath::RayPathWindow::imagingRequested, this, &Windows::showImaging);
    connect(form1_.get(), &raypath::RayPathWindow::infoRequested, this, &Windows::showRayPathInfo);
}

Windows::~Windows()
{
    delete form3_.data();
    delete form4_.data();
}

help::Form3 *Windows::form3() const
{
    return form3_;
}

help::form4 *Windows::form4() const
{
    return form4_;
}

void Windows::start()
{
    Show(form1_.get());
}

void Windows::showImaging()
{
    if (!form2_) {
        form2_ = std::make_unique<imaging::Form2>();
        connect(form2_.get(), &imaging::Form2::rayPathRequested, this, &Windows::showRayPath);
        connect(form2_.get(), &imaging::Form2::infoRequested, this, &Windows::showImagingInfo);
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
    if (!form3_)
        form3_ = new help::Form3;
    Show(form3_);
}

void Windows::showImagingInfo()
{
    if (!form4_)
        form4_ = new help::form4;
    Show(form4_);
}

}  // namespace app
