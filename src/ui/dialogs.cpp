#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace ui {

Dialogs::~Dialogs() = default;

std::optional<QString> QtDialogs::askText(const QString &prompt, const QString &title)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal,
                                               QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtDialogs::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, parent_);
    box.exec();
}

void QtDialogs::showError(const QString &text)
{
    QMessageBox::warning(parent_, QCoreApplication::applicationName(), text);
}

bool QtDialogs::choosePrinter(QPrinter *printer)
{
    if (!printer)
        return true;
    QPrintDialog dialog(printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace ui
