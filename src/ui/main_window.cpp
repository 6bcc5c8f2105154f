#include "ui/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace ui {

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), ownDialogs_(std::make_unique<QtDialogs>(this)), dialogs_(ownDialogs_.get())
{
}

MainWindow::~MainWindow() = default;

QRect MainWindow::availableScreenArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

}  // namespace ui
