#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>

namespace ui {

Dialogs::~Dialogs() = default;

std::unique_ptr<QInputDialog> makeTextBox(QWidget *parent, const QString &prompt,
                                          const QString &title)
{
    auto box = std::make_unique<QInputDialog>(parent);
    box->setWindowTitle(title);
    box->setInputMode(QInputDialog::TextInput);
    box->setLabelText(prompt);
    if (auto *label = box->findChild<QLabel *>()) {
        label->setWordWrap(true);
        const int line = label->fontMetrics().averageCharWidth() * 60;
        label->setMinimumWidth(std::min(line, label->fontMetrics().horizontalAdvance(prompt)));
    }
    return box;
}

std::optional<QString> QtDialogs::askText(const QString &prompt, const QString &title)
{
    const std::unique_ptr<QInputDialog> box = makeTextBox(parent_, prompt, title);
    if (box->exec() != QDialog::Accepted)
        return std::nullopt;
    return box->textValue();
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

bool QtDialogs::askYesNo(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::choosePrinter(QPrinter *printer)
{
    if (!printer)
        return true;
    QPrintDialog dialog(printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace ui
