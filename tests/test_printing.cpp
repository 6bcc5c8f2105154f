// Printing both views and saving the imaging picture: the dialogues, the
// page, what goes on paper with which pen, a real PDF, and the bitmap file.
#include "canvas/printer_page.h"
#include "imaging/imaging_window.h"
#include "optics/image_construction.h"
#include "probes.h"
#include "raypath/ray_path_window.h"
#include "recording_surface.h"
#include "ui/print_command.h"

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
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using canvas::kBlack;
using canvas::kRed;

namespace {

bool near(const DrawOp &op, QPointF p, double tolerance = 0.5)
{
    return std::abs(op.x1 - p.x()) < tolerance && std::abs(op.y1 - p.y()) < tolerance;
}

QPointF qp(optics::Point p) { return {p.x, p.y}; }

// The pupil of an eye at `eye` looking at `target`: 30 units towards it.
QPointF pupil(QPointF eye, QPointF target)
{
    const QPointF d = target - eye;
    return eye + 30 * d / std::hypot(d.x(), d.y());
}

// The dots of a pen width and colour on a page.
std::vector<DrawOp> dots(const RecordingPage &page, int width, QRgb colour)
{
    std::vector<DrawOp> out;
    for (const DrawOp &d : page.of(DrawOp::Dot))
        if (d.width == width && d.colour == colour)
            out.push_back(d);
    return out;
}

bool dotAt(const RecordingPage &page, int width, QRgb colour, QPointF at)
{
    const auto all = dots(page, width, colour);
    return std::any_of(all.begin(), all.end(), [&](const DrawOp &d) { return near(d, at); });
}

QByteArray contents(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

const QString kTitlePrompt = QStringLiteral("InputBox Bitte geben Sie die Titelzeile für den Ausdruck ein!");

}  // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    // The title line asked twice and joined as typed, then the printer
    // dialog; a cancelled dialog prints nothing.
    void dialogues_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("title");
        QTest::newRow("two answers joined") << QStringList{"Licht im", " Wasser"} << true << "Licht im Wasser";
        QTest::newRow("second answer empty") << QStringList{"Titel", ""} << true << "Titel";
        QTest::newRow("printer dialog cancelled") << QStringList{"Titel", ""} << false << "";
    }
    void dialogues()
    {
        QFETCH(QStringList, answers);
        QFETCH(bool, accept);
        QFETCH(QString, title);
        raypath::RayPathWindow f;
        ScriptedDialogs dialogs(answers);
        dialogs.acceptPrinter = accept;
        f.setDialogs(&dialogs);
        RecordingPage page;
        f.printOut(page);
        QStringList expected{kTitlePrompt, kTitlePrompt, "PrinterDialog"};
        if (accept)
            expected << "MsgBox Haben Sie etwas Geduld!";
        QCOMPARE(dialogs.log, expected);
        QCOMPARE(dialogs.titles, (QStringList{"Eingabe", "Eingabe"}));
        QCOMPARE(page.ops.empty(), !accept);
        if (accept)
            QCOMPARE(page.of(DrawOp::Text).front().text, title);
        QCOMPARE(page.endDocs, int(accept));
    }

    // The page units put the origin in the middle of the paper, one unit as
    // long across as down; the title and the labels of both media stand in
    // fractions of the page.
    void pageAndLabels_data()
    {
        QTest::addColumn<bool>("imaging");
        QTest::addColumn<QSize>("paper");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<double>("lowerHeight");
        QTest::newRow("rays, A4, n = 1.5") << false << QSize(11906, 16838) << 150 << "n = 1.5" << 0.6;
        QTest::newRow("rays, Letter, n = 1") << false << QSize(12240, 15840) << 100 << "n = 1" << 0.6;
        QTest::newRow("imaging, A4, n = 1.33") << true << QSize(11906, 16838) << 133 << "n = 1.33" << 0.55;
        QTest::newRow("imaging, A4 across, n = 0.75") << true << QSize(16838, 11906) << 75 << "n = 0.75" << 0.55;
    }
    void pageAndLabels()
    {
        QFETCH(bool, imaging);
        QFETCH(QSize, paper);
        QFETCH(int, bar);
        QFETCH(QString, lower);
        QFETCH(double, lowerHeight);
        ScriptedDialogs dialogs({"Titel"});
        RecordingPage page(paper.width(), paper.height());
        imaging::ImagingWindow i;
        raypath::RayPathWindow r;
        ui::MainWindow &w = imaging ? static_cast<ui::MainWindow &>(i) : r;
        w.setDialogs(&dialogs);
        (imaging ? i.indexBar : r.indexBar)->setValue(bar);
        imaging ? i.printOut(page) : r.printOut(page);
        const double W = paper.width() / 5.0, H = paper.height() / 5.0;
        QCOMPARE(QRectF(page.scaleLeft(), page.scaleTop(), page.scaleWidth(), page.scaleHeight()),
                 QRectF(-W / 2, -H / 2, W, H));
        const auto t = page.of(DrawOp::Text);
        QCOMPARE(int(t.size()), 3);
        const QPointF topLeft(-W / 2, -H / 2);
        QVERIFY(near(t[0], topLeft + QPointF(0.05 * W, 0.15 * H)));
        QCOMPARE(t[0].text, QStringLiteral("Titel"));
        QCOMPARE(t[0].x2, 20.0);
        QVERIFY(near(t[1], topLeft + QPointF(0.8 * W, 0.2 * H)));
        QCOMPARE(t[1].text, QStringLiteral("n =  1"));
        QVERIFY(near(t[2], topLeft + QPointF(0.8 * W, lowerHeight * H)));
        QCOMPARE(t[2].text, lower);
        QCOMPARE(t[2].x2, 12.0);
    }

    // The ray through (300, 0) from P = (0, 500) on paper, with every part
    // ticked: each part leaves the interface into its own quarter.
    void rayPartsOnPaper_data()
    {
        QTest::addColumn<QPointF>("towards");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("style");
        QTest::newRow("refracted: up right") << QPointF(1, -1) << kBlack << int(canvas::kSolid);
        QTest::newRow("its extension: down left") << QPointF(-1, 1) << qRgb(100, 100, 100) << int(canvas::kDashed);
        QTest::newRow("reflected: down right") << QPointF(1, 1) << qRgb(100, 100, 100) << int(canvas::kSolid);
        QTest::newRow("its extension: up left") << QPointF(-1, -1) << qRgb(100, 100, 100) << int(canvas::kDashed);
        QTest::newRow("normal: straight up") << QPointF(0, -1) << kRed << int(canvas::kSolid);
    }
    void rayPartsOnPaper()
    {
        QFETCH(QPointF, towards);
        QFETCH(QRgb, colour);
        QFETCH(int, style);
        raypath::RayPathWindow f;
        ScriptedDialogs dialogs;
        f.setDialogs(&dialogs);
        for (QCheckBox *c : {f.reflectedBox, f.reflectedExtensionBox, f.normalsBox})
            c->setChecked(true);
        f.scene().fixRayAt(300);
        RecordingPage page;
        f.printOut(page);
        int found = 0;
        for (const DrawOp &l : page.of(DrawOp::Line)) {
            const QPointF d(l.x2 - l.x1, l.y2 - l.y1);
            const bool part = towards.x() == 0 ? l.x1 == 300 && l.x2 == 300
                                               : QPointF(l.x1, l.y1) == QPointF(300, 0)
                                                     && d.x() * towards.x() > 0 && d.y() * towards.y() > 0;
            if (part) {
                ++found;
                QCOMPARE(l.colour, colour);
                QCOMPARE(l.style, style);
                QCOMPARE(l.width, 2);
            }
        }
        QCOMPARE(found, 1);
        // The incident ray and the interface, with the paper's pens.
        const auto lines = page.of(DrawOp::Line);
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const DrawOp &l) {
            return QLineF(l.x1, l.y1, l.x2, l.y2) == QLineF(0, 500, 300, 0) && l.width == 2;
        }));
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const DrawOp &l) {
            return QLineF(l.x1, l.y1, l.x2, l.y2) == QLineF(-1200, 0, 1200, 0) && l.width == 3;
        }));
        QVERIFY(dotAt(page, 20, kBlack, {0, 500}));
    }

    // Eye markers on paper look at the point marker placed last, as on the
    // screen, with the paper's pens.
    void rayPathMarkersOnPaper()
    {
        raypath::RayPathWindow f;
        ScriptedDialogs dialogs;
        f.setDialogs(&dialogs);
        f.scene().addPointMarker({-600, -300});
        f.scene().addPointMarker({400, -500});
        f.scene().addEyeMarker({0, -500});
        f.scene().addEyeMarker({-500, 400});
        RecordingPage page;
        f.printOut(page);
        QVERIFY(dotAt(page, 20, kBlack, {-600, -300}) && dotAt(page, 20, kBlack, {400, -500}));
        for (QPointF eye : {QPointF(0, -500), QPointF(-500, 400)})
            QVERIFY2(dotAt(page, 50, kBlack, pupil(eye, {400, -500})), qPrintable(QString::number(eye.x())));
        const auto circles = page.of(DrawOp::Circle);
        QCOMPARE(circles.front().width, 10);
        QCOMPARE(circles.front().x2, 50.0);
    }

    // The imaging picture on paper: the bundle from P, the red image point
    // of every object point, P over it, the eye looking at P.
    void imagingOnPaper_data()
    {
        QTest::addColumn<bool>("rows");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<QPointF>("object");
        QTest::newRow("single point") << false << false << QPointF(0, 500);
        QTest::newRow("single point, grid, P aside") << false << true << QPointF(-300, 700);
        QTest::newRow("row of three, P above") << true << false << QPointF(0, -200);
        QTest::newRow("row of three, P below") << true << true << QPointF(100, 400);
    }
    void imagingOnPaper()
    {
        QFETCH(bool, rows);
        QFETCH(bool, grid);
        QFETCH(QPointF, object);
        imaging::ImagingWindow f;
        ScriptedDialogs dialogs;
        f.setDialogs(&dialogs);
        imaging::ImagingScene &scene = f.scene();
        f.pointRowsButton->setChecked(rows);
        f.gridBox->setChecked(grid);
        QList<QPointF> points;
        if (rows)
            points = {{-200, 300}, {0, 400}, {200, 500}};
        for (const QPointF &p : points)
            scene.storeRowPoint({float(p.x()), float(p.y())});
        scene.moveObjectPoint({float(object.x()), float(object.y())});
        if (object.y() > 0)
            points << object;
        RecordingPage page;
        f.printOut(page);
        for (const QPointF &p : points) {
            const auto image = optics::imagePoint({float(p.x()), float(p.y())}, scene.eye(), scene.index());
            QVERIFY(image && dotAt(page, 20, kRed, qp(*image)));
            QVERIFY(dotAt(page, 20, kBlack, p));
        }
        // A red image point is drawn before the black dot of its point.
        const auto red = dots(page, 20, kRed);
        QCOMPARE(int(red.size()), int(points.size()));
        const auto lines = page.of(DrawOp::Line);
        const bool fromP = std::any_of(lines.begin(), lines.end(), [&](const DrawOp &l) {
            return QPointF(l.x1, l.y1) == object && l.y2 == 0;
        });
        QCOMPARE(fromP, object.y() > 0);
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const DrawOp &l) {
            return QLineF(l.x1, l.y1, l.x2, l.y2) == QLineF(-1000, 0, 1000, 0);
        }));
        const QPointF eye = qp(scene.eye());
        QVERIFY(dotAt(page, 50, kBlack, pupil(eye, object)));
        QCOMPARE(page.of(DrawOp::Circle).front().width, 10);
        QCOMPARE(dotAt(page, 3, kBlack, {-1000, -1000}), grid);
        QCOMPARE(page.nonFinite, 0);
    }

    // The imaging view in a real PDF, read back as text and as a picture.
    void realPdf()
    {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftoppm.isEmpty() || pdftotext.isEmpty())
            QSKIP("poppler-utils are not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath("seite.pdf");
        imaging::ImagingWindow f;
        ScriptedDialogs dialogs({"Bild am", " Wasser"});
        f.setDialogs(&dialogs);
        // P far from the middle, where a scale that differs across and down
        // would miss it by millimetres.
        f.scene().moveObjectPoint({700, 900});
        const auto image = optics::imagePoint({700, 900}, f.scene().eye(), f.scene().index());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(canvas::kPdfResolution);
        canvas::PrinterPage page(&printer);
        f.printOut(page);

        QProcess text;
        text.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        // The text engine may close up spaces around the equals sign.
        for (const char *expected : {"^\\s*Bild am Wasser\\s*$", "^\\s*n\\s*=\\s*1\\s*$", "^\\s*n\\s*=\\s*1\\.33\\s*$"})
            QVERIFY2(words.contains(QRegularExpression(expected, QRegularExpression::MultilineOption)),
                     qPrintable(words));

        const int dpi = 100;
        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "100", "-png", "-singlefile", pdf, dir.filePath("seite")}), 0);
        const QImage img(dir.filePath("seite.png"));
        QVERIFY(!img.isNull());
        const QSizeF paper = printer.paperRect(QPrinter::Point).size();
        const auto pixel = [&](QPointF s) {
            return QPoint(qRound((s.x() - page.scaleLeft()) / page.scaleWidth() * paper.width() * dpi / 72),
                          qRound((s.y() - page.scaleTop()) / page.scaleHeight() * paper.height() * dpi / 72));
        };
        const auto ink = [&](QPointF s, QRgb colour) { return colourAround(img, pixel(s), colour, 2, 70); };
        QVERIFY2(ink(qp(*image), qRgb(255, 0, 0)) > 0, "the red image point");
        QCOMPARE(ink(qp(*image) + QPointF(0, 200), qRgb(255, 0, 0)), 0);
        QVERIFY2(ink({700, 900}, kBlack) > 0, "P");
        QVERIFY2(ink({-600, 0}, kBlack) > 0, "the interface");
        QVERIFY2(ink({-600, 0.1 * page.scaleHeight()}, kBlack) == 0, "white paper");
        const QPointF eye = qp(f.scene().eye());
        QVERIFY2(ink(eye + QPointF(50, 0), kBlack) > 0, "the eye's circle");
        QVERIFY2(ink(pupil(eye, {700, 900}), kBlack) > 0, "the pupil, towards P");
        QVERIFY2(ink(pupil(eye, eye * 2 - QPointF(700, 900)), kBlack) == 0, "no pupil away from P");
    }

    // The whole button without a printer: the page goes to a PDF in the
    // home folder; Cancel in the printer dialog leaves the file that was
    // there; a home folder that is gone is reported.
    void printButton_data()
    {
        QTest::addColumn<bool>("imaging");
        QTest::addColumn<bool>("homeExists");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("Drucken") << false << true << false;
        QTest::newRow("Bild Drucken") << true << true << false;
        QTest::newRow("Bild Drucken, cancelled") << true << true << true;
        QTest::newRow("Drucken, home folder gone") << false << false << false;
    }
    void printButton()
    {
        QFETCH(bool, imaging);
        QFETCH(bool, homeExists);
        QFETCH(bool, cancel);
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer; the command would print on it");
        QTemporaryDir dir;
        const QString home = homeExists ? dir.path() : dir.filePath("fehlt");
        const QString pdf = home + (imaging ? "/tavrix-abbildung.pdf" : "/tavrix-strahlenverlauf.pdf");
        QFile old(pdf);
        QCOMPARE(old.open(QIODevice::WriteOnly) && old.write("alt") == 3, homeExists);
        old.close();
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", home.toLocal8Bit());
        ScriptedDialogs dialogs({"Titel"});
        dialogs.acceptPrinter = !cancel;
        imaging::ImagingWindow i;
        raypath::RayPathWindow r;
        (imaging ? static_cast<ui::MainWindow &>(i) : r).setDialogs(&dialogs);
        (imaging ? i.printButton : r.printButton)->click();
        qputenv("HOME", savedHome);
        QVERIFY(dialogs.log.contains("PrinterDialog"));
        const QStringList errors = dialogs.log.filter("ErrorBox");
        if (!homeExists) {
            QCOMPARE(errors, QStringList("ErrorBox Der Ausdruck konnte nicht in die Datei „" + pdf
                                         + "“ geschrieben werden.\nDen Ordner „" + home + "“ gibt es nicht."));
            QVERIFY(!QFile::exists(pdf));
            return;
        }
        QVERIFY(errors.isEmpty());
        QCOMPARE(contents(pdf).startsWith("%PDF"), !cancel);
        QCOMPARE(contents(pdf) == "alt", cancel);
    }

    // One printer for both views: what the user chose for the ray-path
    // picture is used again for the imaging picture.
    void printerKeptBetweenJobs()
    {
        QTemporaryDir dir;
        const QString chosen = dir.filePath("gewählt.pdf");
        ScriptedDialogs choose({"Titel"});
        choose.printerChoice = [&](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(chosen);
        };
        raypath::RayPathWindow rays;
        rays.setDialogs(&choose);
        rays.printButton->click();
        QVERIFY(QFile::remove(chosen));
        ScriptedDialogs keep({"Titel"});
        imaging::ImagingWindow images;
        images.setDialogs(&keep);
        images.printButton->click();
        canvas::sharedPrinter().setOutputFileName(QString());
        QVERIFY(contents(chosen).startsWith("%PDF"));
    }

    // The folder of the PDF vanishes while the page is drawn: the job's
    // last write fails, and the user is told so.
    void jobFailsAfterStart()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("ordner"), pdf = folder + "/seite.pdf";
        QVERIFY(QDir().mkpath(folder));
        QPrinter &printer = canvas::sharedPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        ScriptedDialogs dialogs;
        ui::printOnSystemPrinter(dialogs, "unbenutzt.pdf", [&](canvas::PageSurface &page) {
            page.setScale(-1000, -1000, 1000, 1000);
            page.line(-500, 0, 500, 0, kBlack);
            QDir(folder).removeRecursively();
            page.endDocument();
        });
        printer.setOutputFileName(QString());
        const QStringList errors = dialogs.log.filter("ErrorBox");
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].contains(pdf));
    }

    // "Bild alsDatei": the file holds the picture the field shows; nothing
    // typed saves "titel.bmp" in the current folder; saving again replaces it.
    void savePicture()
    {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        imaging::ImagingWindow f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QString name = dir.filePath("bild.bmp");
        ScriptedDialogs dialogs({QString(), name, name});
        f.setDialogs(&dialogs);
        f.saveBitmapButton->click();
        QVERIFY(QDir::setCurrent(before));
        QVERIFY(QImage(dir.filePath("titel.bmp"), "BMP").size() == f.field->size());
        f.saveBitmapButton->click();
        const QImage saved(name, "BMP");
        QCOMPARE(contents(name).left(2), QByteArray("BM"));
        QCOMPARE(pixelsDiffering(saved, f.field->image().convertToFormat(saved.format())), 0);
        const auto image = optics::imagePoint(f.scene().objectPoint(), f.scene().eye(), f.scene().index());
        QVERIFY(colourAround(saved, pixelOf(*f.field, qp(*image)), kRed, 2) > 0);
        QVERIFY(colourAround(saved, pixelOf(*f.field, {0, 500}), kBlack, 1) == 9);
        f.scene().moveEye({-900, -200});
        f.saveBitmapButton->click();
        QCOMPARE(colourAround(QImage(name, "BMP"), pixelOf(*f.field, qp(*image)), kRed, 2), 0);
        QVERIFY(dialogs.log.filter("ErrorBox").isEmpty());
    }

    // A write that fails once the file is open, here at a file size limit
    // that binds root too: the file of that name stays as it was.
    void failedSaveKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("bild.bmp");
        QFile old(name);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("altes Bild") == 10);
        old.close();
        imaging::ImagingWindow f;
        ScriptedDialogs dialogs({name});
        f.setDialogs(&dialogs);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 1000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        f.saveBitmap();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedSignal);
        QCOMPARE(dialogs.log.filter("ErrorBox").size(), 1);
        QCOMPARE(contents(name), QByteArray("altes Bild"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList("bild.bmp"));
    }

    // Names that cannot be written, by root either, and why in German; %1 is
    // a fresh folder holding a file alt.bmp and a link that points at itself.
    void unwritableName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        const QString other = "Beim Schreiben ist ein Fehler aufgetreten: ";
        QTest::newRow("folder missing") << "%1/fehlt/bild.bmp" << "Den Ordner „%1/fehlt“ gibt es nicht.";
        QTest::newRow("a file as folder") << "%1/alt.bmp/bild.bmp" << "Den Ordner „%1/alt.bmp“ gibt es nicht.";
        QTest::newRow("a folder") << "%1" << "Der Name bezeichnet einen Ordner, keine Datei.";
        QTest::newRow("name too long") << "%1/" + QString(300, u'a') + ".bmp" << "Der Name ist zu lang.";
        QTest::newRow("access denied") << "/sys/bild.bmp" << "Sie haben keine Berechtigung, dort zu schreiben.";
        QTest::newRow("folder makes no files") << "/proc/bild.bmp" << other + std::strerror(ENOENT);
        QTest::newRow("any other cause") << "%1/schleife/bild.bmp" << other + std::strerror(ELOOP);
    }
    void unwritableName()
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
        QCOMPARE(dialogs.log, QStringList({dialogs.log.value(0), "ErrorBox Das Bild konnte nicht in der Datei „"
                                           + name + "“ gespeichert werden.\n" + reason}));
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
