// The program's four windows and the moves between them.
//
// The ray-path window is made and shown at start; the imaging window and the
// two info windows are made on their first Show. Hidden windows keep their
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
class Form2;
}
namespace help {
class Form3;
class form4;
}  // namespace help

namespace app {

class Windows : public QObject
{
    Q_OBJECT

public:
    Windows();
    ~Windows() override;

    // Shows the ray-path window, as at start.
    void start();

    raypath::RayPathWindow *form1() const { return form1_.get(); }
    imaging::Form2 *form2() const { return form2_.get(); }
    help::Form3 *form3() const;
    help::form4 *form4() const;

    void showImaging();
    void showRayPath();
    void showRayPathInfo();
    void showImagingInfo();

private:
    std::unique_ptr<raypath::RayPathWindow> form1_;
    std::unique_ptr<imaging::Form2> form2_;
    QPointer<help::Form3> form3_;
    QPointer<help::form4> form4_;
};

// Show: make a window visible (modeless) and bring it to the front.
void Show(QWidget *window);

}  // namespace app
