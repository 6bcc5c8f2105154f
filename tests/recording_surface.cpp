#include "recording_surface.h"

std::vector<DrawOp> RecordingPage::of(DrawOp::Kind kind) const
{
    std::vector<DrawOp> out;
    for (const DrawOp &op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

std::optional<QString> ScriptedDialogs::askText(const QString &prompt, const QString &title)
{
    log << QStringLiteral("InputBox [%1] %2").arg(title, prompt);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

bool ScriptedDialogs::choosePrinter(QPrinter *printer)
{
    log << QStringLiteral("PrinterDialog");
    if (printer && printerChoice)
        printerChoice(*printer);
    return acceptPrinter;
}
