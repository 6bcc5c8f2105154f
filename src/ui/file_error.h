// Writing a file the user named, and telling the user in German why it
// could not be written.
#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace ui {

// Writes the file `fileName` through `write`, which puts the whole content
// into the device it is given and tells whether that went well. A regular
// file is replaced only once everything is written, so a failed write leaves
// an old file as it was. Returns 0, or the errno value of what went wrong.
int writeFile(const QString &fileName, const std::function<bool(QIODevice &)> &write);

// Why `fileName` could not be written, as one German sentence, from the
// errno value `error`. A cause the user cannot be told more plainly gets a
// general sentence with the system's own text after it.
QString fileErrorText(const QString &fileName, int error);

// Why `fileName` cannot be written, found by opening it for writing now,
// which changes no file. For writers that fail without telling why (the PDF
// engine).
QString openErrorText(const QString &fileName);

}  // namespace ui
