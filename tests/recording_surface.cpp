#include "recording_surface.h"

#include <cmath>

namespace {

bool finite(std::initializer_list<double> vs)
{
    for (double v : vs)
        if (!std::isfinite(v))
            return false;
    return true;
}

}  // namespace

void Recorder::record(DrawOp op)
{
    if (!finite({op.x1, op.y1, op.x2, op.y2}))
        ++nonFinite;
    ops.push_back(std::move(op));
}

std::vector<DrawOp> Recorder::of(DrawOp::Kind kind) const
{
    std::vector<DrawOp> out;
    for (const DrawOp &op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

std::vector<DrawOp> Recorder::lines(QRgb colour) const
{
    std::vector<DrawOp> out;
    for (const DrawOp &op : ops)
        if (op.kind == DrawOp::Line && op.colour == colour)
            out.push_back(op);
    return out;
}

void RecordingPage::printText(const QString &text)
{
    record({DrawOp::Text, currentX(), currentY(), fontSize(), 0, 0, penWidth(), lineStyle(), text});
}

QString ScriptedDialogs::askText(const QString &prompt, const QString &title)
{
    log << QStringLiteral("InputBox ") + prompt;
    titles << title;
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QString describe(const DrawOp &op)
{
    static const char *names[] = {"clear", "line", "circle", "dot", "text", "disc"};
    return QStringLiteral("%1 (%2, %3)-(%4, %5) rgb %6 w%7 s%8 %9")
        .arg(QLatin1String(names[op.kind]))
        .arg(op.x1)
        .arg(op.y1)
        .arg(op.x2)
        .arg(op.y2)
        .arg(op.colour & 0xffffff, 6, 16, QLatin1Char('0'))
        .arg(op.width)
        .arg(op.style)
        .arg(op.text);
}
