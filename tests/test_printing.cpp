// Printing both views and saving the imaging picture: the dialogue, the page
// units, what goes on paper with which pen, a real PDF, and the bitmap file.
#include "imaging/imaging_window.h"
#include "raypath/ray_path_window.h"
#include "recording_surface.h"

#include "canvas/printer_page.h"
#include "ui/print_command.h"
#include "optics/image_construction.h"

#include <QCheckBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>

using canvas::kBlack;
using canvas::kRed;

namespace {

const QString kTitlePrompt = QStringLiteral("InputBox Bitte geben Sie die Titelzeile für den Ausdruck ein!");

std::vector<DrawOp> texts(const RecordingPage &page)
{
    return page.of(DrawOp::Text);
}

bool near(const DrawOp &op, QPointF p, double tolerance = 0.5)
{
    return std::abs(op.x1 - p.x()) < tolerance && std::abs(op.y1 - p.y()) < tolerance;
}

// Pixels of about `colour` (red unless given) within `radius` of a pixel.
int redAround(const QImage &img, QPoint c, int radius, QColor colour = Qt::red)
{
    int n = 0;
    for (int y = c.y() - radius; y <= c.y() + radius; ++y)
        for (int x = c.x() - radius; x <= c.x() + radius; ++x)
            if (img.valid(x, y)) {
                const QColor col = img.pixelColor(x, y);
                n += std::abs(col.red() - colour.red()) < 60
                     && std::abs(col.green() - colour.green()) < 80
                     && std::abs(col.blue() - colour.blue()) < 80;
            }
    return n;
}

// The page size in points that a PDF declares.
QSizeF mediaBox(const QString &pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto m = box.match(QString::fromLatin1(file.readAll()));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

}  // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void titleLine_data();
    void titleLine();
    void pageFrame_data();
    void pageFrame();
    void rayPathOnPaper();
    void imagingOnPaper_data();
    void imagingOnPaper();
    void realPdf();
    void printCommandWithoutPrinter_data();
    void printCommandWithoutPrinter();
    void printerKeptBetweenJobs();
    void jobFailsAfterStart();
    void savePicture();
    void unwritableName_data();
    void unwritableName();
};

void TestPrinting::titleLine_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("title");
    QTest::newRow("two answers joined as typed") << QStringList{"Licht im", " Wasser"}
                                                 << "Licht im Wasser";
    QTest::newRow("second answer empty") << QStringList{"Titel", ""} << "Titel";
    QTest::newRow("both prompts cancelled") << QStringList{} << "";
}

void TestPrinting::titleLine()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, title);
    raypath::RayPathWindow f;
    ScriptedDialogs dialogs(answers);
    f.setDialogs(&dialogs);
    RecordingPage page;
    f.printOut(page);
    QCOMPARE(dialogs.log, (QStringList{kTitlePrompt, kTitlePrompt, "PrinterDialog",
                                       "MsgBox Haben Sie etwas Geduld!"}));
    QCOMPARE(dialogs.titles, (QStringList{"Eingabe", "Eingabe"}));
    QCOMPARE(texts(page).front().text, title);
    QCOMPARE(page.endDocs, 1);
}

void TestPrinting::pageFrame_data()
{
    QTest::addColumn<QSize>("paper");
    QTest::addColumn<int>("scroll");
    QTest::addColumn<QString>("lower");
    QTest::newRow("A4, n = 1.5") << QSize(11906, 16838) << 150 << "n = 1.5";
    QTest::newRow("US Letter, n = 1.33") << QSize(12240, 15840) << 133 << "n = 1.33";
    QTest::newRow("A4, n = 1") << QSize(11906, 16838) << 100 << "n = 1";
}

void TestPrinting::pageFrame()
{
    QFETCH(QSize, paper);
    QFETCH(int, scroll);
    QFETCH(QString, lower);
    raypath::RayPathWindow f;
    ScriptedDialogs dialogs;
    f.setDialogs(&dialogs);
    f.indexBar->setValue(scroll);
    RecordingPage page(paper.width(), paper.height());
    f.printOut(page);
    // The origin, and with it the interface line, sits in the middle.
    const double w = paper.width() / 10.0, h = paper.height() / 10.0;
    QCOMPARE(page.scaleLeft(), -w);
    QCOMPARE(page.scaleTop(), -h);
    QCOMPARE(page.scaleWidth(), 2 * w);
    QCOMPARE(page.scaleHeight(), 2 * h);
    const auto t = texts(page);
    QCOMPARE(int(t.size()), 3);
    QVERIFY(near(t[0], {-0.9 * w, -0.7 * h}));  // the title, 20 pt
    QCOMPARE(t[0].x2, 20.0);
    QVERIFY(near(t[1], {0.6 * w, -0.6 * h}));
    QCOMPARE(t[1].text, QStringLiteral("n =  1"));
    QCOMPARE(t[1].x2, 12.0);
    QVERIFY(near(t[2], {0.6 * w, 0.2 * h}));  // 60 % down: the lower medium
    QCOMPARE(t[2].text, lower);
}

void TestPrinting::rayPathOnPaper()
{
    raypath::RayPathWindow f;
    ScriptedDialogs dialogs;
    f.setDialogs(&dialogs);
    RecordingSurface screen;
    f.scene().setScreen(screen);
    for (QCheckBox *c : {f.reflectedBox, f.reflectedExtensionBox, f.normalsBox})
        c->setChecked(true);
    f.scene().fixRayAt(300);  // refracted
    f.scene().fixRayAt(800);  // totally reflected
    f.scene().addPointMarker({400, -500});
    f.scene().addEyeMarker({0, -500});
    screen.forget();
    RecordingPage page;
    f.printOut(page);

    // The screen is cleared and drawn anew first.
    QCOMPARE(screen.ops.front().kind, DrawOp::Clear);
    QCOMPARE(screen.count(DrawOp::Line), 1 + 6 + 4);

    const DrawOp &p = page.ops[0];
    QCOMPARE(p.kind, DrawOp::Dot);
    QCOMPARE(p.width, 20);
    const DrawOp &line = page.ops[1];
    QCOMPARE(QLineF(line.x1, line.y1, line.x2, line.y2), QLineF(-1200, 0, 1200, 0));
    QCOMPARE(line.width, 3);
    const auto lines = page.of(DrawOp::Line);
    QCOMPARE(int(lines.size()), 1 + 6 + 4);  // the 800 ray has no refracted parts
    for (size_t i = 1; i < lines.size(); ++i)
        QCOMPARE(lines[i].width, 2);
    QCOMPARE(page.lines(kRed).size(), size_t(2));
    const auto dashed = page.lines(qRgb(100, 100, 100));
    QCOMPARE(dashed.size(), size_t(2 + 1 + 1));  // the grey reflected ray and three extensions
    int dashedCount = 0;
    for (const DrawOp &d : dashed)
        dashedCount += d.style == canvas::kDashed;
    QCOMPARE(dashedCount, 3);
    QCOMPARE(page.lines(kBlack).size(), size_t(1 + 3 + 1));  // interface, rays, black reflection

    // Markers: the point with pen 20; the eye looks at the point marker, as on
    // the screen.
    const auto dots = page.of(DrawOp::Dot);
    QCOMPARE(dots[1].width, 20);
    const DrawOp &pupil = dots.back();
    QCOMPARE(pupil.width, 50);
    QVERIFY2(near(pupil, {30, -500}), qPrintable(describe(pupil)));
    QCOMPARE(page.of(DrawOp::Circle).front().width, 10);
    QCOMPARE(page.nonFinite, 0);
}

void TestPrinting::imagingOnPaper_data()
{
    QTest::addColumn<bool>("rows");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<float>("objectY");
    QTest::addColumn<int>("bundleLines");
    QTest::addColumn<int>("redDots");
    QTest::addColumn<int>("blackDots");
    QTest::newRow("single point") << false << false << 500.f << 15 << 1 << 1;
    QTest::newRow("single point, grid") << false << true << 500.f << 15 << 1 << 1;
    QTest::newRow("row of three, P above") << true << false << -200.f << 0 << 3 << 3;
    QTest::newRow("row of three, P below") << true << true << 500.f << 15 << 4 << 4;
}

void TestPrinting::imagingOnPaper()
{
    QFETCH(bool, rows);
    QFETCH(bool, grid);
    QFETCH(float, objectY);
    QFETCH(int, bundleLines);
    QFETCH(int, redDots);
    QFETCH(int, blackDots);
    imaging::ImagingWindow f;
    ScriptedDialogs dialogs;
    f.setDialogs(&dialogs);
    RecordingSurface screen;
    imaging::ImagingScene &scene = f.scene();
    scene.setSurface(screen);
    f.pointRowsButton->setChecked(rows);
    f.gridBox->setChecked(grid);
    if (rows) {
        for (int i = 1; i <= 3; ++i)
            scene.storeRowPoint({-400.f + 200 * i, 200.f + 100 * i});
    }
    scene.moveObjectPoint({0, objectY});
    RecordingPage page;
    f.printOut(page);

    const auto lines = page.of(DrawOp::Line);
    QCOMPARE(int(lines.size()), bundleLines + 1);
    const DrawOp &line = lines.back();  // the interface, after the bundle
    QCOMPARE(QLineF(line.x1, line.y1, line.x2, line.y2), QLineF(-1000, 0, 1000, 0));
    QCOMPARE(line.width, 1);
    int red = 0, black = 0, gridDots = 0;
    for (const DrawOp &d : page.of(DrawOp::Dot)) {
        red += d.colour == kRed && d.width == 20;
        black += d.colour == kBlack && d.width == 20;
        gridDots += d.width == 3;
    }
    QCOMPARE(red, redDots);
    QCOMPARE(black, blackDots);
    QCOMPARE(gridDots, grid ? 41 * 41 : 0);
    if (!rows) {
        // The image point, then P's dot over it.
        const auto dots = page.of(DrawOp::Dot);
        QVERIFY(near(dots[0], {6.6, 347.3}));
        QCOMPARE(dots[1].colour, kBlack);
        QVERIFY(near(dots[1], {0, 500}, 0.01));
    }
    const auto circles = page.of(DrawOp::Circle);
    QCOMPARE(circles.size(), size_t(1));
    QCOMPARE(circles[0].width, 10);
    const auto t = texts(page);
    QVERIFY(near(t[2], {0.8 * 2 * 1190.6 - 1190.6, 0.55 * 2 * 1683.8 - 1683.8}));
    QCOMPARE(page.nonFinite, 0);
}

void TestPrinting::realPdf()
{
    // The imaging view on a real page in a PDF file, rasterised back.
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    imaging::ImagingWindow f;
    ScriptedDialogs dialogs({QStringLiteral("Bild")});
    f.setDialogs(&dialogs);
    // P far from the centre, where a scale that differs across and down
    // would miss it by millimetres.
    f.scene().moveObjectPoint({700, 900});
    const auto image = optics::imagePoint({700, 900}, f.scene().eye(), f.scene().index());
    QVERIFY(image);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setResolution(canvas::kPdfResolution);
    canvas::PrinterPage page(&printer);
    f.printOut(page);

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page/")
                 + bytes.count("/Type /Page "),
             1);
    if (pdftoppm.isEmpty())
        QSKIP("pdftoppm is not installed");
    const int dpi = 100;
    QVERIFY(QProcess::execute(pdftoppm, {"-r", QString::number(dpi), "-png", "-singlefile", pdf,
                                         dir.filePath("page")}) == 0);
    const QImage img(dir.filePath(QStringLiteral("page.png")));
    QVERIFY(!img.isNull());
    // The page units span the whole sheet, one unit as long across as down.
    const QSizeF paper = printer.paperRect(QPrinter::Point).size();
    const auto pixel = [&](double sx, double sy) {
        return QPoint(qRound((sx - page.scaleLeft()) / page.scaleWidth() * paper.width() * dpi / 72),
                      qRound((sy - page.scaleTop()) / page.scaleHeight() * paper.height() * dpi / 72));
    };
    QVERIFY2(redAround(img, pixel(image->x, image->y), 2) > 0, "the red image point");
    QVERIFY2(redAround(img, pixel(700, 900), 2, Qt::black) > 0, "P");
    QCOMPARE(redAround(img, pixel(image->x, image->y + 200), 3), 0);
}

void TestPrinting::printCommandWithoutPrinter_data()
{
    QTest::addColumn<bool>("imaging");
    QTest::addColumn<bool>("homeExists");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("Drucken") << false << true << false;
    QTest::newRow("Bild Drucken") << true << true << false;
    QTest::newRow("Drucken, cancelled") << false << true << true;
    QTest::newRow("Bild Drucken, cancelled") << true << true << true;
    QTest::newRow("Drucken, home folder gone") << false << false << false;
}

void TestPrinting::printCommandWithoutPrinter()
{
    // The whole button, as a user without a printer clicks it: the page goes
    // to a PDF file in the home folder, or a message says why it did not.
    // Cancel in the printer dialog leaves the file that was there.
    QFETCH(bool, imaging);
    QFETCH(bool, homeExists);
    QFETCH(bool, cancel);
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer; the command would print on it");
    QTemporaryDir dir;
    const QString home = homeExists ? dir.path() : dir.filePath(QStringLiteral("fehlt"));
    const QString pdf = QDir(home).filePath(imaging ? QStringLiteral("tavrix-abbildung.pdf")
                                                    : QStringLiteral("tavrix-strahlenverlauf.pdf"));
    if (homeExists) {
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt");
    }
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", home.toLocal8Bit());
    ScriptedDialogs dialogs({QStringLiteral("Titel")});
    dialogs.acceptPrinter = !cancel;
    if (imaging) {
        imaging::ImagingWindow f;
        f.setDialogs(&dialogs);
        f.printButton->click();
    } else {
        raypath::RayPathWindow f;
        f.setDialogs(&dialogs);
        f.printButton->click();
    }
    qputenv("HOME", savedHome);
    const QStringList errors = dialogs.log.filter(QStringLiteral("ErrorBox"));
    QCOMPARE(errors.size(), homeExists ? 0 : 1);
    if (!homeExists) {
        QCOMPARE(errors[0], "ErrorBox Der Ausdruck konnte nicht in die Datei „" + pdf
                                + "“ geschrieben werden.\nDen Ordner „" + home
                                + "“ gibt es nicht.");
        QVERIFY(!QFile::exists(pdf));
        return;
    }
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().startsWith("%PDF"), !cancel);
    QCOMPARE(dialogs.log.contains(QStringLiteral("MsgBox Haben Sie etwas Geduld!")), !cancel);
}

void TestPrinting::printerKeptBetweenJobs()
{
    // One printer for both views: what the user chose for the ray-path
    // picture is used again for the imaging picture.
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("gewählt.pdf"));
    QPrinter &printer = canvas::sharedPrinter();
    ScriptedDialogs choose({QStringLiteral("Titel")});
    choose.printerChoice = [&](QPrinter &p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(chosen);
        p.setPageOrientation(QPageLayout::Landscape);
    };
    raypath::RayPathWindow rays;
    rays.setDialogs(&choose);
    rays.printButton->click();
    const QSizeF first = mediaBox(chosen);
    QVERIFY(QFile::remove(chosen));

    ScriptedDialogs keep({QStringLiteral("Titel")});
    imaging::ImagingWindow images;
    images.setDialogs(&keep);
    images.printButton->click();
    const QSizeF second = mediaBox(chosen);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setOutputFileName(QString());
    QVERIFY2(first.width() > first.height(), "landscape as chosen");
    QCOMPARE(second, first);
    QCOMPARE(keep.log.filter(QStringLiteral("ErrorBox")).size(), 0);
}

void TestPrinting::jobFailsAfterStart()
{
    // The folder of the PDF vanishes while the page is drawn: the job's
    // last write fails, and the user is told so.
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("ordner"));
    QVERIFY(QDir().mkpath(folder));
    QPrinter &printer = canvas::sharedPrinter();
    const QString pdf = QDir(folder).filePath(QStringLiteral("seite.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ScriptedDialogs dialogs;
    ui::printOnSystemPrinter(dialogs, QStringLiteral("unbenutzt.pdf"), [&](canvas::PageSurface &page) {
        page.setScale(-1000, -1000, 1000, 1000);
        page.line(-500, 0, 500, 0, kBlack);
        QDir(folder).removeRecursively();
        page.endDocument();
    });
    printer.setOutputFileName(QString());
    const QStringList errors = dialogs.log.filter(QStringLiteral("ErrorBox"));
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors[0].contains(pdf));
}

void TestPrinting::savePicture()
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    imaging::ImagingWindow f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    ScriptedDialogs dialogs({QString(), dir.filePath("bild.bmp"), dir.filePath("bild.bmp")});
    f.setDialogs(&dialogs);

    f.saveBitmapButton->click();  // nothing typed: "titel.bmp" in the current folder
    QVERIFY(QFile::exists(dir.filePath("titel.bmp")));
    f.saveBitmapButton->click();
    QFile file(dir.filePath("bild.bmp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
    file.close();
    const QImage saved(dir.filePath("bild.bmp"), "BMP");
    QCOMPARE(saved.size(), f.field->size());
    // The full picture: the red image point, P and the eye.
    QVERIFY(redAround(saved, f.field->toPixel(6.6, 347.3), 2) > 0);
    QCOMPARE(QColor(saved.pixel(f.field->toPixel(0, 500))), QColor(Qt::black));
    QVERIFY(saved == f.field->image().convertToFormat(saved.format()));

    // Saving again overwrites: the eye elsewhere, the image point moves.
    f.scene().moveEye({-900, -200});
    f.saveBitmapButton->click();
    const QImage again(dir.filePath("bild.bmp"), "BMP");
    QVERIFY(again != saved);
    QVERIFY(redAround(again, f.field->toPixel(6.6, 347.3), 2) == 0);
    QCOMPARE(dialogs.log.filter("ErrorBox").size(), 0);
    QVERIFY(QDir::setCurrent(before));
}

void TestPrinting::unwritableName_data()
{
    // Names that cannot be written, by root either; %1 is a fresh folder
    // holding a file alt.bmp and a symbolic link that points at itself.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    const QString noPermission = QStringLiteral("Sie haben keine Berechtigung, dort zu schreiben.");
    QTest::newRow("folder missing") << "%1/fehlt/bild.bmp"
                                    << "Den Ordner „%1/fehlt“ gibt es nicht.";
    QTest::newRow("a file as folder") << "%1/alt.bmp/bild.bmp"
                                      << "Den Ordner „%1/alt.bmp“ gibt es nicht.";
    QTest::newRow("a folder") << "%1" << "Der Name bezeichnet einen Ordner, keine Datei.";
    QTest::newRow("name too long") << "%1/" + QString(300, u'a') + ".bmp"
                                   << "Der Name ist zu lang.";
    QTest::newRow("access denied") << "/sys/bild.bmp" << noPermission;
    QTest::newRow("not permitted") << "/proc/1/bild.bmp" << noPermission;
    QTest::newRow("disk full") << "/dev/full" << "Auf dem Datenträger ist nicht genug Platz.";
    QTest::newRow("folder makes no files") << "/proc/bild.bmp"
                                           << "Beim Schreiben ist ein Fehler aufgetreten: "
                                                  + QString::fromLocal8Bit(std::strerror(ENOENT));
    QTest::newRow("any other cause") << "%1/schleife/bild.bmp"
                                     << "Beim Schreiben ist ein Fehler aufgetreten: "
                                            + QString::fromLocal8Bit(std::strerror(ELOOP));
}

void TestPrinting::unwritableName()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QFile old(dir.filePath("alt.bmp"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    QVERIFY(QFile::link(dir.filePath("schleife"), dir.filePath("schleife")));
    name.replace("%1", dir.path());
    reason.replace("%1", dir.path());

    imaging::ImagingWindow f;
    ScriptedDialogs dialogs({name});
    f.setDialogs(&dialogs);
    f.saveBitmap();
    QCOMPARE(dialogs.log.filter("ErrorBox"),
             QStringList("ErrorBox Das Bild konnte nicht in der Datei „" + name
                         + "“ gespeichert werden.\n" + reason));
    QVERIFY(!QFileInfo("/dev/full").isFile());  // written into, not replaced
    // The window goes on working.
    f.releaseOnField(1, 0, 0);
    QVERIFY(redAround(f.field->image(), f.field->toPixel(6.6, 347.3), 2) > 0);
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
