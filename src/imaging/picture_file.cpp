// "Bild alsDatei": the imaging picture saved as a Windows bitmap of the
// field's size, under the name the user types.
#include "imaging/form2.h"

#include "ui/file_error.h"

#include <QBuffer>
#include <QCheckBox>
#include <QImage>

namespace imaging {

namespace {

const char *const kPrompt =
    "Bitte geben Sie den Namen der Datei ein. Benützen Sie die Extension .bmp! Falls Sie "
    "auf die Angabe eines Pfades vor dem Namen verzichten, wird die Datei auf dem Desktop "
    "abgelegt.";

}  // namespace

void Form2::redrawPicture()
{
    canvas::Surface &s = surface();
    s.Cls();
    drawInterfaceLine();
    drawGridIfTicked();
    if (rowMode()) {
        DrawRowPoints();
        ConstructRowImages();
    }
    DrawEye();
    if (ObjectY >= 50)
        DrawBundle();
    drawObjectDot();
    s.DrawWidth(1);
}

void Form2::Command4_Click()
{
    QString FileName = dialogs().askText(QString::fromUtf8(kPrompt), QStringLiteral("Eingabe"));
    if (FileName.isEmpty())
        FileName = QStringLiteral("titel.bmp");

    // The file shows the picture the user sees, and so does the field
    // afterwards.
    redrawPicture();

    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    Picture1->image().save(&buffer, "BMP");
    if (const int error = ui::writeFile(FileName, bitmap))
        dialogs().showError(QStringLiteral("Das Bild konnte nicht in der Datei „%1“ gespeichert "
                                          "werden.\n%2")
                               .arg(FileName, ui::fileErrorText(FileName, error)));
}

}  // namespace imaging
