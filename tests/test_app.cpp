// The program's windows as the user meets them: where each control sits,
// what it says at start, what the index boxes show, the keys, the moves
// between the windows, and how the program ends.
#include "app/application_setup.h"
#include "app/windows.h"
#include "help/help_texts.h"
#include "help/info_window.h"
#include "imaging/imaging_window.h"
#include "raypath/ray_path_window.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

namespace {

// Both main windows as they open, and their controls by name ("" the window).
struct Views {
    raypath::RayPathWindow rays;
    imaging::ImagingWindow images;
    QWidget *window(bool imaging) { return imaging ? static_cast<QWidget *>(&images) : &rays; }
    canvas::DrawingField *field(bool imaging) { return imaging ? images.field : rays.field; }
    QScrollBar *bar(bool imaging) { return imaging ? images.indexBar : rays.indexBar; }
    QWidget *control(bool imaging, const QString &name) { return name.isEmpty() ? window(imaging) : window(imaging)->findChild<QWidget *>(name); }
};

// What a control shows: a window its title, a scroll bar its value, any
// other its text, and a tick as [x] or [ ].
QString textOf(QWidget *c) {
    auto *b = qobject_cast<QAbstractButton *>(c);
    const QString text = c->property(qobject_cast<QScrollBar *>(c) ? "value" : "text").toString();
    return !c->parentWidget() ? c->windowTitle() : text + (b && b->isCheckable() ? (b->isChecked() ? " [x]" : " [ ]") : "");
}

}  // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(app::setUpApplication(*qApp));
        QDialogButtonBox box(QDialogButtonBox::Cancel);  // Qt's own buttons speak German
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        QVERIFY(!QApplication::windowIcon().pixmap(64).isNull());
    }

    // An info window as a reader sees it: its caption, the section headings
    // in order in the first column, lines that fit and do not wrap again, and
    // the same closing section on saving in both texts.
    void infoWindow_data() {
        QTest::addColumn<help::HelpTopic>("topic"); QTest::addColumn<QString>("caption"); QTest::addColumn<QStringList>("headings");
        QTest::newRow("ray path") << help::HelpTopic::RayPath << "Info zum Programm TAVRIX.EXE - Strahlenverlauf"
            << QStringList{"Allgemeines", "Bewegen des Objektpunktes P, Ändern der Brechzahl", "Starten von Lichtstrahlen",
                           "Markieren von Bildpunkten und Augen", "Drucken", "Speichern des Bildes in einer Datei"};
        QTest::newRow("imaging") << help::HelpTopic::Imaging << "Info zum Programm TAVRIX.EXE - Abbildung von Punkten"
            << QStringList{"Abbildung einzelner Punkte", "Bewegen des Auges", "Abbildung von Punktreihen", "Punktraster",
                           "Drucken", "Speichern des Bildes in einer Datei"};
    }
    void infoWindow() {
        QFETCH(help::HelpTopic, topic); QFETCH(QString, caption); QFETCH(QStringList, headings);
        help::InfoWindow w(topic);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), caption);
        QCOMPARE(w.frameGeometry().topLeft(), QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(1, 1));
        const QString shown = w.textBox()->toPlainText();
        QStringList found;
        for (QTextBlock b = w.textBox()->document()->begin(); b.isValid(); b = b.next()) {
            QVERIFY2(b.layout()->lineCount() <= 1 && b.text().size() <= help::kMaxLineLength && !b.text().contains(u'Ã'), qPrintable(b.text()));
            if (!b.text().isEmpty() && !b.text().at(0).isSpace())
                found << b.text().trimmed();
        }
        QCOMPARE(found, headings);
        const QString rayPath = help::helpText(help::HelpTopic::RayPath).replace("\r\n", "\n");
        QCOMPARE(shown.mid(shown.indexOf(headings.last())), rayPath.mid(rayPath.indexOf(headings.last())));
        w.load();  // loading again composes the text afresh, not onto the old one
        QCOMPARE(w.textBox()->toPlainText(), shown);
    }

    // Where each control sits and what it says as the window opens (a tick
    // as [x]). Column controls in fractions of the window's width and height:
    // on a 2000 x 2000 screen the window is 1960 wide and high, the column
    // starts at 0.75, right of the field. Inside the field in scene units (a
    // width of 0: as wide as its text).
    // (The index boxes' texts are in indexTexts.)
    void controls_data() {
        QTest::addColumn<bool>("imaging"); QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("at"); QTest::addColumn<QString>("text");
        const auto row = [](bool imaging, const char *name, QRectF at, const char *text) {
            QTest::addRow("%s %s", imaging ? "imaging" : "ray path", *name ? name : "window") << imaging << QString(name) << at << QString::fromUtf8(text);
        };
        row(false, "", {}, "Tavrix   -  Strahlenverlauf");
        row(false, "field", {0, 0, 0.75, 0.735}, "");
        row(false, "partsCaption", {0.75, 0.01, 0.23, 0.05}, " Wahl der Strahlen");
        row(false, "refractedBox", {0.75, 0.06, 0.11, 0.05}, "gebrochene [x]"); row(false, "refractedExtensionBox", {0.86, 0.06, 0.12, 0.05}, "Verlängerungen [x]");
        row(false, "reflectedBox", {0.75, 0.11, 0.11, 0.05}, "gespiegelte [ ]"); row(false, "reflectedExtensionBox", {0.86, 0.11, 0.11, 0.05}, "Verlängerungen [ ]");
        row(false, "normalsBox", {0.75, 0.16, 0.11, 0.05}, "Einfallslote [ ]");
        row(false, "clearRaysButton", {0.75, 0.22, 0.24, 0.05}, "Strahlen löschen");
        row(false, "indexCaption", {0.75, 0.29, 0.14, 0.03}, "     Brechzahl n = "); row(false, "indexText", {0.90, 0.297, 0.04, 0.03}, nullptr);
        row(false, "indexBar", {0.75, 0.33, 0.24, 0.03}, "133");
        row(false, "markersCaption", {0.75, 0.41, 0.26, 0.03}, " Markierungen setzen (anklicken!)");
        row(false, "eyeSymbolBox", {0.76, 0.44, 0.04, 0.04}, ""); row(false, "pointSymbolBox", {0.81, 0.44, 0.04, 0.04}, "");
        row(false, "clearMarkersButton", {0.75, 0.49, 0.24, 0.05}, "Markierungen löschen");
        row(false, "printButton", {0.75, 0.58, 0.115, 0.05}, "Drucken"); row(false, "infoButton", {0.875, 0.58, 0.115, 0.05}, "Info");
        row(false, "imagingButton", {0.75, 0.67, 0.24, 0.05}, "zur Abbildung von Punkten");
        row(false, "upperIndexText", {800, -950, 200, 100}, nullptr); row(false, "lowerIndexText", {800, 50, 200, 100}, nullptr);
        row(false, "rayHint", {-990, -980, 0, 0}, "Strahl verändern: linke Maustaste drücken!"); row(false, "objectHint", {-990, 900, 0, 0}, "Objektposition: rechte Maustaste drücken!");
        row(true, "", {}, "Tavrix - Abbildung von Punkten");
        row(true, "field", {0, 0, 0.75, 0.735}, "");
        row(true, "modeLabel", {0.76, 0.01, 0.24, 0.03}, "Abbildung von");
        row(true, "singlePointsButton", {0.80, 0.04, 0.19, 0.05}, "einzelnen Punkten [x]"); row(true, "pointRowsButton", {0.80, 0.09, 0.19, 0.05}, "Punktreihen [ ]");
        row(true, "gridBox", {0.80, 0.14, 0.19, 0.05}, "Raster [ ]");
        row(true, "clearRowButton", {0.76, 0.20, 0.2, 0.05}, "Löschen");
        row(true, "indexLabel", {0.76, 0.28, 0.14, 0.03}, "  Brechzahl n  ");
        row(true, "indexBar", {0.76, 0.32, 0.15, 0.03}, "133");
        row(true, "upperIndexBox", {0.915, 0.305, 0.045, 0.03}, nullptr); row(true, "lowerIndexBox", {0.915, 0.335, 0.045, 0.03}, nullptr);
        row(true, "printButton", {0.76, 0.38, 0.095, 0.05}, "Bild Drucken"); row(true, "saveBitmapButton", {0.865, 0.38, 0.095, 0.05}, "Bild alsDatei");
        row(true, "rayPathButton", {0.76, 0.48, 0.2, 0.05}, "zum Strahlenverlauf"); row(true, "infoButton", {0.76, 0.535, 0.2, 0.05}, "Info");
        row(true, "upperFieldIndexBox", {800, -950, 200, 100}, nullptr); row(true, "lowerFieldIndexBox", {800, 50, 200, 100}, nullptr);
        row(true, "eyeHint", {-980, -980, 0, 0}, "Augenposition: linke Maustate drücken!"); row(true, "objectHint", {-980, 800, 0, 0}, "Objektposition: rechte Maustaste drücken");
    }
    void controls() {
        QFETCH(bool, imaging); QFETCH(QString, name); QFETCH(QRectF, at); QFETCH(QString, text);
        Views v;
        QWidget *c = v.control(imaging, name);
        QVERIFY(c);
        if (!text.isNull())
            QCOMPARE(textOf(c), text);
        imaging ? v.images.applyLayout({0, 0, 2000, 2000}) : v.rays.applyLayout({0, 0, 2000, 2000});
        const QRect g = c->geometry();
        const bool inField = std::abs(at.x()) > 1;  // scene units, 4 of them about three pixels
        const QRectF got = inField ? QRectF(v.field(imaging)->toScene(g.topLeft()), v.field(imaging)->toScene(QPointF(g.x() + g.width(), g.y() + g.height())))
                                   : QRectF(g.x() - 1, g.y(), g.width(), g.height());
        const QRectF want = inField ? at : QRectF(at.topLeft() * 1960, at.size() * 1960), d(got.topLeft() - want.topLeft(), got.size() - want.size());
        QVERIFY2(name.isEmpty() || std::max({std::abs(d.x()), std::abs(d.y()), at.width() ? std::abs(d.width()) : 0, at.width() ? std::abs(d.height()) : 0}) <= (inField ? 4 : 3),
                 qPrintable(QStringLiteral("at %1, %2, %3 x %4").arg(got.x()).arg(got.y()).arg(got.width()).arg(got.height())));
    }

    // The index boxes at each scroll value (0: as the window opens), in the
    // C locale and with a German decimal comma. Ray path: the number beside
    // the bar, the upper and the lower box in the field; imaging: the upper
    // and lower box beside the bar, then those in the field. Below n = 1 the
    // upper medium is the denser one and shows the reciprocal.
    void indexTexts_data() {
        QTest::addColumn<bool>("imaging"); QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("value"); QTest::addColumn<QStringList>("texts");
        const QList<std::tuple<bool, int, QStringList>> rows{
            {false, 0, {"1.33", " n = 1", " n = 1.33"}}, {false, 50, {"2", " n = 2", "n = 1 "}},
            {false, 60, {"1.67", " n = 1.67", "n = 1 "}}, {false, 75, {"1.33", " n = 1.33", "n = 1 "}},
            {false, 100, {"1", "n = 1 ", " n = 1"}}, {false, 199, {"1.99", "n = 1 ", " n = 1.99"}},
            {false, 200, {"2", "n = 1 ", " n = 2"}},
            {true, 0, {"   1.00", "   1.33", " n = 1 ", " n = 1.33"}}, {true, 50, {"  2", "  1.00", " n = 2", " n = 1 "}},
            {true, 60, {"  1.67", "  1.00", " n = 1.67", " n = 1 "}}, {true, 75, {"  1.33", "  1.00", " n = 1.33", " n = 1 "}},
            {true, 100, {"  1.00 ", "  1", " n = 1 ", " n = 1"}}, {true, 199, {"  1.00 ", "  1.99", " n = 1 ", " n = 1.99"}},
            {true, 200, {"  1.00 ", "  2", " n = 1 ", " n = 2"}},
        };
        for (const QString locale : {"C", "de_DE"})
            for (auto [imaging, value, texts] : rows) {
                if (locale != "C")  // numbers get the comma; the fixed "1.00" keeps its point
                    texts.replaceInStrings(QRegularExpression("(\\d)\\.(?!00)(\\d)"), "\\1,\\2");
                QTest::addRow("%s %s %d", (imaging ? "imaging" : "ray path"), qPrintable(locale), value)
                    << imaging << locale << value << texts;
            }
    }
    void indexTexts() {
        QFETCH(bool, imaging); QFETCH(QString, locale); QFETCH(int, value); QFETCH(QStringList, texts);
        QLocale::setDefault(QLocale(locale));
        struct Restore { ~Restore() { QLocale::setDefault(QLocale::c()); } } restore;
        Views v;
        if (value)
            v.bar(imaging)->setValue(value);
        QStringList shown;
        const QStringList boxes = imaging ? QStringList{"upperIndexBox", "lowerIndexBox", "upperFieldIndexBox", "lowerFieldIndexBox"}
                                          : QStringList{"indexText", "upperIndexText", "lowerIndexText"};
        for (const QString &name : boxes)
            shown << textOf(v.control(imaging, name));
        QCOMPARE(shown, texts);
        QCOMPARE(imaging ? v.images.scene().index() : v.rays.scene().index(), value ? float(value / 100.0) : 1.33f);
    }

    // At start only the ray-path window exists; the others are made on their
    // first showing. A hidden window keeps its state; an info window opens
    // beside its main window, once, and a closed one is made afresh. The
    // index keys move n the way they point: right and up towards 2.00.
    void windowsKeepTheirState() {
        app::Windows w;
        w.start();
        raypath::RayPathWindow &rays = *w.rayPathWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&rays));
        QVERIFY(!w.imagingWindow() && !w.rayPathInfo() && !w.imagingInfo());
        rays.scene().press(raypath::MouseButton::Right, -200, -300);  // P moved above, one ray fixed
        rays.scene().press(raypath::MouseButton::Left, 100, 0);
        rays.scene().release(raypath::MouseButton::Left, 100, 0);
        for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_Right, Qt::Key_Up})
            QTest::keyClick(rays.indexBar, key);
        rays.infoButton->click();
        QPointer<help::InfoWindow> info = w.rayPathInfo();
        rays.infoButton->click();  // shows the same window again
        QVERIFY(info && w.rayPathInfo() == info && info->isVisible() && rays.isVisible());
        const QString text = info->textBox()->toPlainText();
        info->close();
        QTRY_VERIFY(info.isNull());
        rays.infoButton->click();
        QCOMPARE(w.rayPathInfo()->textBox()->toPlainText(), text);

        rays.imagingButton->click();
        QPointer<imaging::ImagingWindow> images = w.imagingWindow();
        QVERIFY(images && images->isVisible() && !rays.isVisible());
        QCOMPARE(images->scene().index(), 1.33f);  // each window has its own index
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Left, Qt::Key_Down})
            QTest::keyClick(images->indexBar, key);
        images->scene().moveEye({-400, -500});
        images->infoButton->click();
        QVERIFY(w.imagingInfo() && w.imagingInfo()->isVisible() && w.imagingInfo()->textBox()->toPlainText() != text);
        images->rayPathButton->click();
        QVERIFY(rays.isVisible() && !images->isVisible());
        QVERIFY(rays.scene().objectPoint().x == -200.f && rays.scene().objectPoint().y == -300.f);
        QCOMPARE(rays.scene().rayHits().size(), size_t(1));
        QCOMPARE(rays.scene().index(), 1.45f);
        rays.imagingButton->click();
        QCOMPARE(w.imagingWindow(), images);
        QCOMPARE(images->scene().index(), 1.21f);
        QCOMPARE(images->scene().eye().x, -400.f);
    }

    // Dragging an eye erases it at each step: afterwards nothing but the
    // eye where it was let go of is left, also where a scene unit is about a
    // pixel (a 2130 px wide field).
    void eyeDragLeavesNoTrace_data() {
        QTest::addColumn<bool>("imaging"); QTest::addColumn<int>("width");
        QTest::newRow("imaging eye, 2130 px") << true << 2130; QTest::newRow("imaging eye, 700 px") << true << 700;
        QTest::newRow("ray-path eye marker, 2130 px") << false << 2130;
    }
    void eyeDragLeavesNoTrace() {
        QFETCH(bool, imaging); QFETCH(int, width);
        Views v;
        canvas::DrawingField *field = v.field(imaging);
        field->resize(width, int(0.98 * width));
        field->setScale(-1000, -1000.0 * field->height() / width, 1000, 1000.0 * field->height() / width);
        field->clear();  // the eye alone
        if (!imaging)
            v.rays.scene().toggleSymbol(raypath::MarkerSymbol::Eye);  // the eye from the palette
        for (int i = 0; i <= 30; ++i) {
            const float x = -700 + 43.3f * i, y = -700 + 17.1f * i;
            if (imaging)
                i ? v.images.dragOnField(1, x, y) : v.images.pressOnField(1, x, y);
            else
                i ? v.rays.scene().move(raypath::MouseButton::Left, x, y) : v.rays.scene().press(raypath::MouseButton::Left, x, y);
        }
        const QPointF last = field->toPixel(-700 + 43.3 * 30, -700 + 17.1 * 30);
        int traces = 0;
        for (int y = 0; y < field->height(); ++y)
            for (int x = 0; x < width; ++x)
                traces += field->image().pixel(x, y) != canvas::kWhite && QLineF(QPointF(x, y), last).length() > 50 * width / 2000.0 + 10;
        QCOMPARE(traces, 0);
    }

    // Closing either main window ends the program, an info window open or not.
    void closingEndsTheProgram_data() { QTest::addColumn<bool>("imaging"); QTest::newRow("ray path") << false; QTest::newRow("imaging") << true; }
    void closingEndsTheProgram() {
        QFETCH(bool, imaging);
        app::Windows w;
        w.start();
        w.showRayPathInfo();
        w.showImaging();
        if (!imaging)
            w.showRayPath();
        QWidget *main = imaging ? static_cast<QWidget *>(w.imagingWindow()) : w.rayPathWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QTimer::singleShot(0, main, &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });  // a program that does not end fails
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
