#include "recording_surface.h"

void RecordingPage::record(DrawOp op)
{
    op.width = penWidth();
    op.style = lineStyle();
    ops.push_back(std::move(op));
}

std::vector<DrawOp> RecordingPage::of(DrawOp::Kind kind) const
{
    std::vector<DrawOp> out;
    for (const DrawOp &op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

QString ScriptedDialogs::askText(const QString &prompt, const QString &)
{
    log << QStringLiteral("InputBox ") + prompt;
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
        .arg(op.colour & 0xffffff, 6, 16, QLatin1Char('0'))
        .arg(op.width).arg(op.style).arg(op.text);
}
