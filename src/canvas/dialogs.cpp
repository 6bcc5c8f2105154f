#include "canvas/dialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace canvas {

Dialogs::~Dialogs() = default;

QString QtDialogs::InputBox(const QString &prompt, const QString &title)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal,
                                               QString(), &ok);
    return ok ? text : QString();
}

void QtDialogs::MsgBox(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, parent_);
    box.exec();
}

void QtDialogs::ErrorBox(const QString &text)
{
    QMessageBox::warning(parent_, QCoreApplication::applicationName(), text);
}

bool QtDialogs::PrinterDialog(QPrinter *printer)
{
    if (!printer)
        return true;
    QPrintDialog dialog(printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace canvas
