// "Bild alsDatei": the imaging picture saved at the field's size, under the
// name the user types, in the format its extension asks for.
#include "imaging/imaging_window.h"

#include "ui/file_error.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QStandardPaths>

namespace imaging {

namespace {

const char *const kPrompt =
    "Bitte geben Sie den Namen der Datei ein. Benützen Sie die Extension .bmp! Falls Sie "
    "auf die Angabe eines Pfades vor dem Namen verzichten, wird die Datei auf dem Desktop "
    "abgelegt.";

// JPEG is for photographs; at 95 the fringes of thin lines stay faint.
constexpr int kJpegQuality = 95;

// Where the prompt promises the file: a name without a folder, or with a
// relative one, is taken from the desktop folder. The desktop location is
// ~/Desktop even where no such folder exists; then the home folder is used.
QString savePath(const QString &name)
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString base = !desktop.isEmpty() && QFileInfo(desktop).isDir() ? desktop
                                                                          : QDir::homePath();
    return QDir(base).filePath(name);
}

// Only a file that the save can replace is asked about. A folder, or a file
// that cannot be written there, gets its error at once, as a new name would.
bool wouldReplace(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
}

}  // namespace

void ImagingWindow::saveBitmap()
{
    const std::optional<QString> typed =
        dialogs().askText(QString::fromUtf8(kPrompt), QStringLiteral("Eingabe"));
    if (!typed)
        return;  // Cancel writes nothing: an old titel.bmp must not be lost
    const QString path = savePath(typed->isEmpty() ? QStringLiteral("titel.bmp") : *typed);
    const QString shownPath = QDir::toNativeSeparators(path);
    // Asked before anything is drawn: "Nein" leaves the window as it was.
    const QString question =
        QStringLiteral("Die Datei „%1“ gibt es schon. Soll sie ersetzt werden?");
    if (wouldReplace(path) && !dialogs().askYesNo(question.arg(shownPath)))
        return;

    // The file shows the picture the user sees, and so does the field
    // afterwards.
    scene().redrawPicture();

    const QString extension = QFileInfo(path).suffix().toLower();
    const QByteArray format = extension == u"png"                          ? "PNG"
                              : extension == u"jpg" || extension == u"jpeg" ? "JPEG"
                                                                            : "BMP";
    const QImage &picture = field_->image();
    const int error = ui::writeFile(path, [&](QIODevice &file) {
        QImageWriter writer(&file, format);
        if (format == "JPEG")
            writer.setQuality(kJpegQuality);
        return writer.write(picture);
    });
    if (error)
        dialogs().showError(
            QStringLiteral("Das Bild konnte nicht in der Datei „%1“ gespeichert werden.\n%2")
                .arg(shownPath, ui::fileErrorText(path, error)));
}

}  // namespace imaging
