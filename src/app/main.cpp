#include "app/application_setup.h"
#include "app/windows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app::setUpApplication(app);
    app::Windows windows;
    windows.start();
    return app.exec();
}
