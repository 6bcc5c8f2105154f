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
