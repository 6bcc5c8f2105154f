#include "raypath/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrix"));
    raypath::Form1 form1;
    form1.show();
    return app.exec();
}
