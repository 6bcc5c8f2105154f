// Surfaces that remember every drawing call, with the pen it was drawn with,
// and dialogues that answer from a script.
#pragma once

#include "ui/dialogs.h"
#include "canvas/page.h"
#include "canvas/surface.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct DrawOp {
    enum Kind { Clear, Line, Circle, Dot, Text, Disc };
    Kind kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line: both ends; Circle: centre, radius in x2;
                                            // Text: position, font size in x2
    QRgb colour = 0;
    int width = 1;
    int style = 0;
    QString text = {};
};

// Records into `ops`; counts calls that carried a NaN or an infinite value.
class Recorder
{
public:
    std::vector<DrawOp> ops;
    int nonFinite = 0;

    void forget() { ops.clear(); nonFinite = 0; }
    std::vector<DrawOp> of(DrawOp::Kind kind) const;
    int count(DrawOp::Kind kind) const { return int(of(kind).size()); }
    // Lines drawn in a colour (any width, any style).
    std::vector<DrawOp> lines(QRgb colour) const;

protected:
    void record(DrawOp op);
};

// The drawing operations of any surface, recorded.
template <typename Base>
class Recording : public Base, public Recorder
{
public:
    using Base::circle;
    using Base::line;
    using Base::dot;
    void clear() override { record({DrawOp::Clear, 0, 0, 0, 0, 0, this->penWidth(), this->lineStyle()}); }
    void line(double x1, double y1, double x2, double y2, QRgb colour) override
    {
        record({DrawOp::Line, x1, y1, x2, y2, colour, this->penWidth(), this->lineStyle()});
    }
    void circle(double x, double y, double r, QRgb colour) override
    {
        record({DrawOp::Circle, x, y, r, 0, colour, this->penWidth(), this->lineStyle()});
    }
    void dot(double x, double y, QRgb colour) override
    {
        record({DrawOp::Dot, x, y, 0, 0, colour, this->penWidth(), this->lineStyle()});
    }
    void disc(double x, double y, double r, QRgb colour) override
    {
        record({DrawOp::Disc, x, y, r, 0, colour, this->penWidth(), this->lineStyle()});
    }
};

class RecordingSurface : public Recording<canvas::Surface>
{
public:
    void setScale(double, double, double, double) override {}
};

// A page of a given paper size in twips (A4 unless told otherwise).
class RecordingPage : public Recording<canvas::PageSurface>
{
public:
    explicit RecordingPage(int widthTwips = 11906, int heightTwips = 16838)
        : width_(widthTwips), height_(heightTwips) {}
    int paperWidthTwips() const override { return width_; }
    int paperHeightTwips() const override { return height_; }
    void printText(const QString &text) override;
    void endDocument() override { ++endDocs; }
    int endDocs = 0;

private:
    int width_, height_;
};

// Answers the input boxes from a list (then with empty texts) and logs every
// dialogue as "InputBox <prompt>", "PrinterDialog", "MsgBox <text>" or
// "ErrorBox <text>".
class ScriptedDialogs : public ui::Dialogs
{
public:
    explicit ScriptedDialogs(QStringList answers = {}) : answers(std::move(answers)) {}
    QString askText(const QString &prompt, const QString &title) override;
    void showMessage(const QString &text) override { log << QStringLiteral("MsgBox ") + text; }
    void showError(const QString &text) override { log << QStringLiteral("ErrorBox ") + text; }
    bool choosePrinter(QPrinter *printer) override
    {
        log << QStringLiteral("PrinterDialog");
        if (printer && printerChoice)
            printerChoice(*printer);
        return acceptPrinter;
    }
    // What the user does in the printer dialog: changes to the printer, and
    // whether the dialog is confirmed.
    std::function<void(QPrinter &)> printerChoice;
    bool acceptPrinter = true;

    QStringList answers;
    QStringList log;
    QStringList titles;
};

QString describe(const DrawOp &op);
