#include "ui/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace ui {

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), ownDialogs_(std::make_unique<QtDialogs>(this)), dialogs_(ownDialogs_.get())
{
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

}  // namespace ui
