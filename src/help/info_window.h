// The two info windows: a read-only text box showing the help text of the
// ray-path view (Form3) or of the imaging view (form4).
#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace help {

class InfoWindow : public QWidget
{
    Q_OBJECT

public:
    // Places the window at the top left of the primary screen's available
    // area, composes HelpText anew and shows it in Text1.
    void Form_Load();

    QPlainTextEdit *Text1 = nullptr;
    QString HelpText;

protected:
    using Composer = QString (*)();

    // The window deletes itself when closed.
    InfoWindow(const char *caption, QSize clientSize, Composer compose, QWidget *parent);

private:
    Composer compose_;
};

class Form3 : public InfoWindow
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);
};

class form4 : public InfoWindow
{
    Q_OBJECT

public:
    explicit form4(QWidget *parent = nullptr);
};

}  // namespace help
