// Printing both views and saving the imaging picture: the dialogues, the
// page, what goes on paper with which pen, a real PDF, and the bitmap file.
#include "canvas/printer_page.h"
#include "control.h"
#include "imaging/imaging_window.h"
#include "optics/image_construction.h"
#include "probes.h"
#include "raypath/ray_path_window.h"
#include "recording_surface.h"
#include "ui/print_command.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using canvas::kBlack;
using canvas::kRed;

namespace {

// Whether the page has a dot of that pen and colour at a point.
bool dotAt(const RecordingPage &page, int pen, QRgb ink, QPointF p)
{
    const auto all = page.of(DrawOp::Dot);
    return std::any_of(all.begin(), all.end(), [&](const DrawOp &d) {
        return d.width == pen && d.colour == ink && std::hypot(d.x1 - p.x(), d.y1 - p.y()) < 0.5;
    });
}

// A printout titled "Licht im" " Wasser": the title asked twice, joined as typed; page units
// from the paper's middle, as long across as down; each text with where it starts, in
// thousandths of the paper across and down, and its size in points.
void checkPage(const RecordingPage &page, const QStringList &log, const QString &lowerLabel)
{
    const QString ask = "InputBox [Eingabe] Bitte geben Sie die Titelzeile für den Ausdruck ein!";
    QCOMPARE(log, (QStringList{ask, ask, "PrinterDialog", "MsgBox Haben Sie etwas Geduld!"}));
    const double W = page.paperWidthTwips() / 5.0, H = page.paperHeightTwips() / 5.0;
    QCOMPARE(QRectF(page.scaleLeft(), page.scaleTop(), page.scaleWidth(), page.scaleHeight()),
             QRectF(-W / 2, -H / 2, W, H));
    QStringList texts;
    for (const DrawOp &t : page.of(DrawOp::Text))
        texts << QStringLiteral("%1 at %2, %3, %4 pt").arg(t.text)
                     .arg(qRound(1000 * t.x1 / W) + 500).arg(qRound(1000 * t.y1 / H) + 500)
                     .arg(t.x2);
    QCOMPARE(texts, (QStringList{"Licht im Wasser at 50, 150, 20 pt", "n =  1 at 800, 200, 12 pt",
                                 lowerLabel}));
}

// A home folder of its own for the print and save commands, while it lives, with
// the user's folders named in its .config, if anywhere.
struct TempHome {
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    TempHome() { qputenv("HOME", dir.path().toLocal8Bit()), qunsetenv("XDG_CONFIG_HOME"); }
    ~TempHome() { qputenv("HOME", saved), config.isNull() || qputenv("XDG_CONFIG_HOME", config); }
};

// The name column's word for the user pressing Cancel in the file-name box.
const QString kCancel = QStringLiteral("<Abbrechen>");

// A name typed for "Bild alsDatei", the answer to "replace?", and the file written or named
// in the error (the name itself unless told) with its first bytes, or the reason why not.
struct SaveRow {
    QString name = {};
    bool desktop = true;  // the desktop folder that the user's folders name exists
    QString reply = {}, path = {};
    QByteArray magic = "BM";
    int sizeLimit = 0;
    QString reason = {};
};

QByteArray contents(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

}  // namespace

Q_DECLARE_METATYPE(SaveRow)

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    // n = 1.5, Letter: every part of the ray from (0, 500) via (300, 0) with the paper's pen,
    // colour and dash; point markers, and each eye looking at the point marker placed last
    // before it, or at (0, 0).
    void rayPathOnPaper()
    {
        raypath::RayPathWindow f;
        ScriptedDialogs dialogs({"Licht im", " Wasser"});
        f.setDialogs(&dialogs);
        control<QScrollBar>(f, "indexBar")->setValue(150);
        for (const char *box : {"reflectedBox", "reflectedExtensionBox", "normalsBox"})
            control<QCheckBox>(f, box)->setChecked(true);
        f.scene().fixRayAt(300);
        f.scene().addEyeMarker({0, -500});  // before any point marker
        for (QPointF p : {QPointF(-600, -300), QPointF(400, -500)})
            f.scene().addPointMarker({float(p.x()), float(p.y())});
        f.scene().addEyeMarker({-500, 400});
        f.scene().handle(canvas::FieldEvent::press(canvas::MouseButtons::Left, {500, -500}));  // a live ray, not kept
        RecordingPage page(12240, 15840);
        f.printOut(page);
        checkPage(page, dialogs.log, "n = 1.5 at 800, 600, 12 pt");
        // the screen shows the printed picture again, without the live ray
        auto *field = control<canvas::DrawingField>(f, "field");
        const QImage printed = field->image().copy();
        f.scene().redraw();
        QCOMPARE(field->image(), printed);
        QStringList lines;  // where each line starts, its pen, colour and dash
        for (const DrawOp &l : page.of(DrawOp::Line))
            lines << QStringLiteral("(%1, %2) w%3 %4 %5").arg(l.x1).arg(l.y1).arg(l.width)
                         .arg(l.colour & 0xffffff, 6, 16, QLatin1Char('0'))
                         .arg(l.style == canvas::LineStyle::Dashed ? "dashed" : "solid");
        lines.sort();
        const QString ray = "(300, 0) w2 ";
        QCOMPARE(lines, (QStringList{"(-1200, 0) w3 000000 solid", "(0, 500) w2 000000 solid",
                                     ray + "000000 solid", ray + "646464 dashed",
                                     ray + "646464 dashed", ray + "646464 solid",
                                     "(300, 100) w2 ff0000 solid"}));
        QVERIFY(dotAt(page, 20, kBlack, {0, 500}));  // P
        QVERIFY(dotAt(page, 20, kBlack, {-600, -300}));  // a point marker
        QVERIFY(dotAt(page, 50, kBlack, pupil({0, -500}, {0, 0})));
        QVERIFY(dotAt(page, 50, kBlack, pupil({-500, 400}, {400, -500})));
        const auto circles = page.of(DrawOp::Circle);  // the eyes' rings
        QCOMPARE(circles.size(), size_t(2));
        QCOMPARE(circles.front().width, 10);
    }

    // At n = 0.75 on A4 across, a row of three and P below, on the grid: the bundle from P, a
    // red image point for every object point, the eye looking at P's image. The second title box is
    // cancelled: it adds nothing to the title, and the command goes on.
    void imagingOnPaper()
    {
        imaging::ImagingWindow f;
        ScriptedDialogs dialogs({"Licht im Wasser", std::nullopt});  // a title box cancelled
        f.setDialogs(&dialogs);
        control<QScrollBar>(f, "indexBar")->setValue(75);
        control<QRadioButton>(f, "pointRowsButton")->setChecked(true);
        control<QCheckBox>(f, "gridBox")->setChecked(true);
        const QPointF object(-300, 700);
        QList<QPointF> points{{-200, 300}, {0, 400}, {200, 500}};
        for (const QPointF &p : points)
            f.scene().storeRowPoint({float(p.x()), float(p.y())});
        f.scene().moveObjectPoint({float(object.x()), float(object.y())});
        points << object;
        RecordingPage page(16838, 11906);
        f.printOut(page);
        checkPage(page, dialogs.log, "n = 0.75 at 800, 550, 12 pt");
        for (const QPointF &p : points) {
            const auto image = optics::imagePoint({float(p.x()), float(p.y())}, f.scene().eye(),
                                                  f.scene().index());
            QVERIFY(image);
            QVERIFY(dotAt(page, 20, kRed, qp(*image)));
            QVERIFY(dotAt(page, 20, kBlack, p));
        }
        const auto fromP = [&](const DrawOp &l) { return QPointF(l.x1, l.y1) == object; };
        const auto lines = page.of(DrawOp::Line);
        QCOMPARE(std::count_if(lines.begin(), lines.end(), fromP), 5);  // the bundle from P
        const auto seen = optics::imagePoint({-300, 700}, f.scene().eye(), f.scene().index());
        QVERIFY(dotAt(page, 50, kBlack, pupil(qp(f.scene().eye()), qp(*seen))));
        QVERIFY(dotAt(page, 3, kBlack, {-1000, -1000}));  // a grid node
    }

    // Without a printer the page goes to a PDF in the home folder, read back as a
    // picture; Cancel leaves the file that was there.
    void printButton_data()
    {
        QTest::addColumn<bool>("imaging");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("Drucken") << false << false;
        QTest::newRow("Bild Drucken") << true << false;
        QTest::newRow("Bild Drucken, cancelled") << true << true;
    }
    void printButton()
    {
        QFETCH(bool, imaging);
        QFETCH(bool, cancel);
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer; the command would print on it");
        TempHome home;
        const QTemporaryDir &dir = home.dir;
        const QString pdf =
            dir.filePath(imaging ? "tavrix-abbildung.pdf" : "tavrix-strahlenverlauf.pdf");
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        QCOMPARE(old.write("alt"), 3);
        old.close();
        ScriptedDialogs dialogs({"Bild am", " Wasser"});
        dialogs.acceptPrinter = !cancel;
        imaging::ImagingWindow i;
        raypath::RayPathWindow r;
        (imaging ? static_cast<ui::MainWindow &>(i) : r).setDialogs(&dialogs);
        // P far out, where a scale that differs across and down would miss it.
        const QPointF object = imaging ? QPointF(700, 900) : QPointF(0, 500);
        i.scene().moveObjectPoint({700, 900});
        control<QPushButton>(imaging ? static_cast<QWidget &>(i) : r, "printButton")->click();
        QVERIFY(dialogs.log.filter("ErrorBox").isEmpty());
        QCOMPARE(contents(pdf).left(4), QByteArray(cancel ? "alt" : "%PDF"));
        if (cancel)
            return;
        // The page units span the whole sheet from its middle, 4 units a point.
        const QStringList toPng{"-r", "72", "-png", "-singlefile", pdf, dir.filePath("seite")};
        QCOMPARE(QProcess::execute("pdftoppm", toPng), 0);
        const QImage img(dir.filePath("seite.png"));
        const auto ink = [&](QPointF s, QRgb colour) {
            const QPointF middle(img.width() / 2.0, img.height() / 2.0);
            return colourAround(img, (middle + s / 4).toPoint(), colour, 1, 70);
        };
        QVERIFY2(ink({-600, 0}, kBlack) > 0, "the interface");
        QVERIFY2(ink(object, kBlack) > 0, "P");
        QVERIFY2(ink({-600, 300}, kBlack) == 0, "white paper");
        const auto image = optics::imagePoint({700, 900}, i.scene().eye(), i.scene().index());
        QVERIFY2(!imaging || ink(qp(*image), kRed) > 0, "the red image point");
    }

    // What the page puts on paper, at a printer resolution of 600 and of 1200 dpi, rendered
    // at 150 dpi (a page unit a pixel): a pen of 20 is 20/300 inch (1.69 mm, 10 px) wide;
    // lines solid, dotted and dashed, on for 2 and 5 pen widths; a line far beyond the sheet
    // clipped to it, and a white disc over it; a ring; a 20 pt and a 12 pt line of text. At
    // 600 dpi the thinnest line, a pen of 1, is 0.085 mm wide, and a dot of 20 is 1.69 mm
    // across.
    void pageDrawing_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("1200 dpi") << 1200;
    }
    void pageDrawing()
    {
        QFETCH(int, dpi);
        TempHome home;
        const QString pdf = home.dir.filePath("seite.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(dpi);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        {
            canvas::PrinterPage page(&printer);
            const QRectF sheet = printer.pageLayout().fullRect(QPageLayout::Point);
            page.setScale(0, 0, sheet.width() * 150 / 72, sheet.height() * 150 / 72);
            for (auto [y, style] : {std::pair{100, canvas::LineStyle::Solid},
                                    {200, canvas::LineStyle::Dotted},
                                    {300, canvas::LineStyle::Dashed}})
                page.line(100, y, y == 100 ? 1e7 : 1000, y, {20, kBlack, style});
            page.line(100, 400, 1000, 400, {1});
            page.disc(1100, 100, 40, {2, canvas::kWhite});  // white over the far line
            page.circle(800, 600, 50, {10});  // an eye's ring
            page.dot(600, 450, {20});
            for (auto [y, points] : {std::pair{500, 20}, {700, 12}}) {
                page.setFontSize(points);
                page.setCurrentX(100);
                page.setCurrentY(y);
                page.printText("HHHH");
            }
            page.endDocument();
        }
        const auto render = [&](const QStringList &how) {
            const QString png = home.dir.filePath("seite");
            QProcess::execute("pdftoppm", how + QStringList{"-png", "-singlefile", pdf, png});
            return QImage(png + ".png");
        };
        // the dark pixels of n, from a pixel on in steps: their number and their longest run
        const auto dark = [](const QImage &img, QPoint from, QPoint step, int n) {
            int count = 0, run = 0, longest = 0;
            for (QPoint p = from; n-- > 0; p += step) {
                const bool ink = qGray(img.pixel(p)) < 128;
                count += ink, longest = std::max(longest, run = ink ? run + 1 : 0);
            }
            return std::pair(count, longest);
        };
        const QImage img = render({"-r", "150"});
        QVERIFY(!img.isNull());
        const auto along = [&](int y) { return dark(img, {110, y}, {1, 0}, 880).second; };
        QCOMPARE(along(100), 880);
        QCOMPARE(dark(img, {500, 80}, {0, 1}, 40).first, 10);
        QVERIFY2(qAbs(along(200) - 20) <= 3, "dotted");
        QVERIFY2(qAbs(along(300) - 50) <= 4, "dashed");
        QVERIFY2(dark(img, {img.width() - 3, 100}, {1, 0}, 1).first, "the far line at the edge");
        QCOMPARE(dark(img, {1062, 100}, {1, 0}, 77).first, 0);  // under the white disc
        QCOMPARE(dark(img, {700, 600}, {1, 0}, 201), std::pair(10, 5));  // across the ring
        QCOMPARE(dark(img, {700, 600}, {1, 0}, 45).first, 0);  // and none beyond its radius
        const auto inkHeight = [&](int top) {  // capitals are about 0.7 of the size high
            int first = -1, last = -1;
            for (int y = top; y < top + 150; ++y)
                if (dark(img, {100, y}, {1, 0}, 200).first)
                    last = y, first = first < 0 ? y : first;
            return last - first + 1;
        };
        QVERIFY2(qAbs(inkHeight(480) - 0.7 * 20 * 150 / 72) <= 4, "20 pt");
        QVERIFY2(qAbs(inkHeight(680) - 0.7 * 12 * 150 / 72) <= 3, "12 pt");
        // page units 400 to 650 across, 375 to 475 down, 4 px each
        const QImage fine = render({"-r", "600", "-x", "1600", "-y", "1500", "-W", "1000",
                                    "-H", "400"});
        QVERIFY(!fine.isNull());
        const auto mm = [](int px) { return px * 25.4 / 600; };
        QVERIFY2(qAbs(mm(dark(fine, {200, 60}, {0, 1}, 80).first) - 25.4 / 300) < 0.05, "pen 1");
        const int dot = dark(fine, {700, 300}, {1, 0}, 200).first;  // across P's dot
        QVERIFY2(qAbs(mm(dot) - 20 * 25.4 / 300) < 0.1, "dot of 20");
    }

    // The folder of the PDF vanishes after the file was begun: the job is reported by name.
    void pdfFolderVanishes()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer; the command would print on it");
        TempHome temp;
        const QString home = temp.dir.path();
        ScriptedDialogs dialogs;
        ui::printOnSystemPrinter(dialogs, "weg.pdf", [&](canvas::PageSurface &page) {
            page.line(0, 0, 100, 100, {});
            QVERIFY(QDir(home).removeRecursively());
            page.endDocument();
        });
        QCOMPARE(dialogs.log.filter("ErrorBox"),
                 QStringList("ErrorBox Der Ausdruck konnte nicht in die Datei „" + home
                             + "/weg.pdf“ geschrieben werden.\nDen Ordner „" + home
                             + "“ gibt es nicht."));
    }

    // "Bild alsDatei": a name without a folder, or with a relative one, goes to the desktop
    // folder (or the home folder, where that is missing), in the format its extension asks
    // for, holding the picture shown; an old file is replaced only after "Ja". Otherwise
    // the German reason why not, and an old file as it was, also when the write fails once
    // open (at a file size limit). Cancel and "Nein" change nothing, not even the field.
    // %1 is the home folder, %2 where a bare name goes: it holds titel.bmp and blatt/.
    void saveBitmap_data()
    {
        QTest::addColumn<SaveRow>("r");
        const auto row = [](const char *name, SaveRow r) { QTest::newRow(name) << r; };
        const QByteArray png("\x89PNG\r\n\x1a\n"), jpeg("\xff\xd8\xff");
        row("bare name: desktop, PNG", {.name = "bild.png", .path = "%2/bild.png", .magic = png});
        row("no desktop folder: home, JPEG", {.name = "bild.jpg", .desktop = false,
                                              .path = "%2/bild.jpg", .magic = jpeg});
        row("relative folder, upper case",
            {.name = "blatt/BILD.JPEG", .path = "%2/blatt/BILD.JPEG", .magic = jpeg});
        row("absolute path, other extension: BMP", {.name = "%1/bild.gif"});
        row("nothing typed, titel.bmp there: Ja", {.reply = "Ja", .path = "%2/titel.bmp"});
        row("nothing typed, titel.bmp there: Nein", {.reply = "Nein", .path = "%2/titel.bmp"});
        row("cancelled", {.name = kCancel});
        row("over an old file: Ja, write fails",
            {.name = "titel.bmp", .desktop = false, .reply = "Ja", .path = "%2/titel.bmp",
             .sizeLimit = 1000, .reason = "Beim Schreiben ist ein Fehler aufgetreten: "
                                          + QString(std::strerror(EFBIG))});
        row("a folder", {.name = "blatt", .path = "%2/blatt",
                         .reason = "Der Name bezeichnet einen Ordner, keine Datei."});
        row("too long", {.name = "%1/" + QString(300, 'a'), .reason = "Der Name ist zu lang."});
        row("access denied", {.name = "/sys/bild.bmp",
                              .reason = "Sie haben keine Berechtigung, dort zu schreiben."});
    }
    void saveBitmap()
    {
        QFETCH(SaveRow, r);
        auto [name, desktop, reply, path, magic, sizeLimit, reason] = r;
        TempHome home;  // on a German desktop, whose folder may be missing
        const QString folder = QDir::cleanPath(home.dir.filePath(desktop ? "Schreibtisch" : ""));
        QFile dirs(home.dir.filePath(".config/user-dirs.dirs"));
        QVERIFY(QDir().mkpath(folder + "/blatt"));
        QVERIFY(QDir().mkpath(home.dir.filePath(".config")));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        QVERIFY(dirs.write("XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n") > 0);
        dirs.close();
        QFile old(QDir(folder).filePath("titel.bmp"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        QCOMPARE(old.write("altes Bild"), 10);
        old.close();
        path = path.isEmpty() ? name : path;
        for (QString *s : {&name, &path})
            s->replace("%1", home.dir.path()).replace("%2", folder);
        imaging::ImagingWindow f;
        f.scene().moveEye({-900, -200});  // the picture is drawn anew before saving,
        f.scene().moveObjectPoint({300, 50});  // with P's bundle at the least depth,
        control<QPushButton>(f, "clearRowButton")->click();  // which "Löschen" took away
        canvas::DrawingField &field = *control<canvas::DrawingField>(f, "field");
        const QImage shown = field.image();
        ScriptedDialogs dialogs({name == kCancel ? std::nullopt : std::optional(name)});
        dialogs.yes = reply == "Ja";
        f.setDialogs(&dialogs);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit limited{sizeLimit ? rlim_t(sizeLimit) : saved.rlim_cur, saved.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        control<QPushButton>(f, "saveBitmapButton")->click();
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
        const QString box = "InputBox [Eingabe] ";
        QVERIFY(dialogs.log.first().startsWith(box));
        const QString prompt = dialogs.log.first().mid(box.size());  // fits 1024 x 768, wrapped
        QVERIFY(ui::makeTextBox(nullptr, prompt, "Eingabe")->sizeHint().width() <= 1000);
        const QString asked = "Die Datei „" + path + "“ gibt es schon. Soll sie ersetzt werden?";
        QCOMPARE(dialogs.log.filter("Question"),
                 reply.isEmpty() ? QStringList() : QStringList("Question " + asked));
        const QStringList errors = dialogs.log.filter("ErrorBox");
        if (!reason.isEmpty() || name == kCancel || reply == "Nein") {
            const QString error = "ErrorBox Das Bild konnte nicht in der Datei „" + path
                                  + "“ gespeichert werden.\n" + reason;
            QCOMPARE(errors, reason.isEmpty() ? QStringList() : QStringList(error));
            QCOMPARE(contents(old.fileName()), QByteArray("altes Bild"));
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList("titel.bmp"));
            if (reason.isEmpty())
                QCOMPARE(field.image(), shown);
            return;
        }
        QVERIFY(errors.isEmpty());
        QCOMPARE(contents(path).left(magic.size()), magic);
        f.show();  // the screen shows the picture saved, at any scale
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(showsImage(field));
        const QImage file(path);
        if (magic != "\xff\xd8\xff")  // JPEG alone loses a little
            QCOMPARE(file, field.image().convertToFormat(file.format()));
        const qreal ratio = field.devicePixelRatioF();  // 2 where the suite runs at 200 %
        QCOMPARE(file.size(), QSize(qRound(field.width() * ratio), qRound(field.height() * ratio)));
        const imaging::ImagingScene &s = f.scene();
        const auto image = optics::imagePoint(s.objectPoint(), s.eye(), s.index());
        QVERIFY(colourAround(file, field.raster().toPixel(image->x, image->y), kRed, 2, 40) > 0);
    }

    // One printer for both views: the sheet across and the file chosen for one view are
    // offered to the other and used again. (Last, as it leaves the printer so.)
    void printerKeptBetweenJobs()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer; the command would print on it");
        TempHome home;
        const QString chosen = home.dir.filePath("eigene.pdf");
        QStringList offered;  // the sheet and the file the dialog offers, each time
        ScriptedDialogs dialogs;
        dialogs.printerChoice = [&](QPrinter &p) {
            const bool across = p.pageLayout().orientation() == QPageLayout::Landscape;
            offered << (across ? "across " : "upright ") + p.outputFileName();
            p.setPageOrientation(QPageLayout::Landscape);
            p.setOutputFileName(chosen);
        };
        imaging::ImagingWindow i;
        raypath::RayPathWindow r;
        i.setDialogs(&dialogs);
        r.setDialogs(&dialogs);
        control<QPushButton>(i, "printButton")->click();
        QVERIFY(QFile::remove(chosen));
        control<QPushButton>(r, "printButton")->click();
        QCOMPARE(offered, (QStringList{"upright " + home.dir.filePath("tavrix-abbildung.pdf"),
                                       "across " + chosen}));
        QCOMPARE(QDir(home.dir.path()).entryList(QDir::Files), QStringList("eigene.pdf"));
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
