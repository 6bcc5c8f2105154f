#include "recording_surface.h"

#include <cmath>

void RecordingPage::record(DrawOp op)
{
    op.width = penWidth();
    op.style = lineStyle();
    for (double v : {op.x1, op.y1, op.x2, op.y2})
        nonFinite += !std::isfinite(v);
    ops.push_back(std::move(op));
}

std::vector<DrawOp> RecordingPage::of(DrawOp::Kind kind) const
{
    std::vector<DrawOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out), [&](const DrawOp &op) { return op.kind == kind; });
    return out;
}

void RecordingPage::printText(const QString &text)
{
    record({DrawOp::Text, currentX(), currentY(), fontSize(), 0, 0, 1, 0, text});
}

QString ScriptedDialogs::askText(const QString &prompt, const QString &title)
{
    log << QStringLiteral("InputBox ") + prompt;
    titles << title;
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

bool ScriptedDialogs::choosePrinter(QPrinter *printer)
{
    log << QStringLiteral("PrinterDialog");
    if (printer && printerChoice)
        printerChoice(*printer);
    return acceptPrinter;
}

QString describe(const DrawOp &op)
{
    static const char *names[] = {"clear", "line", "circle", "dot", "text", "disc"};
    return QStringLiteral("%1 (%2, %3)-(%4, %5) rgb %6 w%7 s%8 %9")
        .arg(QLatin1String(names[op.kind])).arg(op.x1).arg(op.y1).arg(op.x2).arg(op.y2)
        .arg(op.colour & 0xffffff, 6, 16, QLatin1Char('0')).arg(op.width).arg(op.style).arg(op.text);
}
