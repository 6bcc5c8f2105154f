#include "ui/file_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace ui {

namespace {

// The errno value of the step that just failed; a step that failed without
// one counts as an input/output error.
int lastError()
{
    return errno != 0 ? errno : EIO;
}

// The errno value that opening `fileName` for writing meets now, or 0 when
// it opens.
int openForWritingError(const QString &fileName)
{
    const bool existed = QFileInfo::exists(fileName);
    QFile file(fileName);
    errno = 0;
    // Appending leaves an existing file as it is.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return lastError();
    file.close();
    if (!existed)
        file.remove();
    return 0;
}

}  // namespace

int writeFile(const QString &fileName, const std::function<bool(QIODevice &)> &write)
{
    // QSaveFile refuses a file it may not write before any system call, so
    // errno would be stale.
    const QFileInfo info(fileName);
    if (info.exists() && !info.isWritable())
        return EACCES;

    // A device (/dev/null, say) is written into, as any Unix program does: a
    // temporary file renamed over it would put a plain file in its place.
    // A folder fails to open here, with EISDIR.
    const bool inPlace = info.exists() && !info.isFile();
    QFile plain(fileName);
    QSaveFile whole(fileName);
    QFileDevice &file = inPlace ? static_cast<QFileDevice &>(plain) : whole;
    // errno is read right after each step, so that it tells the system call
    // that failed: the writes go out when the buffer fills and at the end.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return lastError();
    errno = 0;
    if (!write(file))
        return lastError();
    errno = 0;
    if (inPlace ? !plain.flush() : !whole.commit())
        return lastError();
    return 0;
}

QString fileErrorText(const QString &fileName, int error)
{
    if (error == 0)
        return QStringLiteral("Beim Schreiben ist ein Fehler aufgetreten.");
    const QFileInfo info(fileName);
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        // Also met in a folder that exists but makes no new files (/proc).
        if (!info.absoluteDir().exists())
            return QStringLiteral("Den Ordner „%1“ gibt es nicht.")
                .arg(QDir::toNativeSeparators(info.absolutePath()));
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("Sie haben keine Berechtigung, dort zu schreiben.");
    case EISDIR:
        return QStringLiteral("Der Name bezeichnet einen Ordner, keine Datei.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist zu lang.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");
    default:
        break;
    }
    return QStringLiteral("Beim Schreiben ist ein Fehler aufgetreten: %1")
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}

QString openErrorText(const QString &fileName)
{
    return fileErrorText(fileName, openForWritingError(fileName));
}

}  // namespace ui
