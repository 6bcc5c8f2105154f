// A page that remembers every drawing call with the pen it was drawn with,
// and dialogues that answer from a script.
#pragma once

#include "canvas/page.h"
#include "ui/dialogs.h"

#include <QStringList>
#include <functional>
#include <vector>

struct DrawOp {
    enum Kind { Clear, Line, Circle, Dot, Text, Disc };
    Kind kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line: both ends; Circle, Disc: centre, radius
                                            // in x2; Text: position, font size in x2
    QRgb colour = 0;
    double width = 1;
    canvas::LineStyle style = canvas::LineStyle::Solid;
    QString text = {};
};

// A page of a given paper size in twips (A4 unless told otherwise).
class RecordingPage : public canvas::PageSurface
{
public:
    explicit RecordingPage(int widthTwips = 11906, int heightTwips = 16838)
        : width_(widthTwips), height_(heightTwips) {}
    std::vector<DrawOp> ops;
    std::vector<DrawOp> of(DrawOp::Kind kind) const;

    int paperWidthTwips() const override { return width_; }
    int paperHeightTwips() const override { return height_; }
    void clear() override { ops.push_back({DrawOp::Clear}); }
    void line(double x1, double y1, double x2, double y2, const canvas::Pen &pen) override
    {
        ops.push_back({DrawOp::Line, x1, y1, x2, y2, pen.colour, pen.width, pen.style});
    }
    void circle(double x, double y, double r, const canvas::Pen &p) override
    {
        add(DrawOp::Circle, x, y, r, p);
    }
    void dot(double x, double y, const canvas::Pen &p) override { add(DrawOp::Dot, x, y, 0, p); }
    void disc(double x, double y, double r, const canvas::Pen &p) override
    {
        add(DrawOp::Disc, x, y, r, p);
    }
    void printText(const QString &text) override
    {
        ops.push_back({DrawOp::Text, currentX(), currentY(), fontSize(), 0, 0, 1,
                       canvas::LineStyle::Solid, text});
    }
    void endDocument() override {}

private:
    void add(DrawOp::Kind k, double x, double y, double r, const canvas::Pen &p)
    {
        ops.push_back({k, x, y, r, 0, p.colour, p.width, p.style});
    }
    int width_, height_;
};

// Answers the input boxes from a list (then with empty texts; std::nullopt is
// the user pressing Cancel), each question with `yes`, and logs every
// dialogue as "InputBox [<title>] <prompt>", "PrinterDialog", "MsgBox <text>",
// "ErrorBox <text>" or "Question <text>".
class ScriptedDialogs : public ui::Dialogs
{
public:
    using Answers = QList<std::optional<QString>>;
    explicit ScriptedDialogs(Answers answers = {}) : answers(std::move(answers)) {}
    std::optional<QString> askText(const QString &prompt, const QString &title) override;
    void showMessage(const QString &text) override { log << QStringLiteral("MsgBox ") + text; }
    void showError(const QString &text) override { log << QStringLiteral("ErrorBox ") + text; }
    bool askYesNo(const QString &text) override { log << "Question " + text; return yes; }
    bool choosePrinter(QPrinter *printer) override;
    bool yes = false;
    // What the user does in the printer dialog: changes to the printer, and
    // whether the dialog is confirmed.
    std::function<void(QPrinter &)> printerChoice;
    bool acceptPrinter = true;
    Answers answers;
    QStringList log;
};
