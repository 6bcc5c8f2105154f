#include "app/windows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrix"));
    app::Windows windows;
    windows.start();
    return app.exec();
}
