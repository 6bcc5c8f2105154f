// "Bild alsDatei": the imaging picture saved as a Windows bitmap of the
// field's size, under the name the user types.
#include "imaging/imaging_window.h"

#include "ui/file_error.h"

#include <QBuffer>
#include <QImage>

namespace imaging {

namespace {

const char *const kPrompt =
    "Bitte geben Sie den Namen der Datei ein. Benützen Sie die Extension .bmp! Falls Sie "
    "auf die Angabe eines Pfades vor dem Namen verzichten, wird die Datei auf dem Desktop "
    "abgelegt.";

}  // namespace

void ImagingWindow::saveBitmap()
{
    const std::optional<QString> typed =
        dialogs().askText(QString::fromUtf8(kPrompt), QStringLiteral("Eingabe"));
    if (!typed)
        return;  // Cancel writes nothing: an old titel.bmp must not be lost
    const QString fileName = typed->isEmpty() ? QStringLiteral("titel.bmp") : *typed;

    // The file shows the picture the user sees, and so does the field
    // afterwards.
    scene().redrawPicture();

    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    field_->image().save(&buffer, "BMP");
    if (const int error = ui::writeFile(fileName, bitmap))
        dialogs().showError(
            QStringLiteral("Das Bild konnte nicht in der Datei „%1“ gespeichert werden.\n%2")
                .arg(fileName, ui::fileErrorText(fileName, error)));
}

}  // namespace imaging
