// The program's windows: the controls, the index boxes, keys, the end.
#include "app/application_setup.h"
#include "control.h"
#include "app/windows.h"
#include "help/help_texts.h"
#include "help/info_window.h"
#include "imaging/imaging_window.h"
#include "raypath/ray_path_window.h"
#include "ui/dialogs.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

namespace {

// Both main windows as they open, and their controls by name ("" the window).
struct Views {
    raypath::RayPathWindow rays;
    imaging::ImagingWindow images;
    QWidget *control(bool imaging, const QString &name) {
        QWidget *w = imaging ? static_cast<QWidget *>(&images) : &rays;
        return name.isEmpty() ? w : w->findChild<QWidget *>(name);
    }
};

// A window's title, a scroll bar's value, else the text; a tick as [x] or [ ].
QString textOf(QWidget *c) {
    if (!c->parentWidget())
        return c->windowTitle();
    auto *b = qobject_cast<QAbstractButton *>(c);
    const QString tick = b && b->isCheckable() ? (b->isChecked() ? " [x]" : " [ ]") : "";
    return c->property(qobject_cast<QScrollBar *>(c) ? "value" : "text").toString() + tick;
}

}  // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(app::setUpApplication(*qApp));
        QDialogButtonBox box(QDialogButtonBox::Cancel);  // Qt's own buttons speak German
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }

    // Info windows: caption, place, headings in the first column, no wrapped lines.
    void infoWindow() {
        for (auto [topic, caption, headings] : {
                 std::tuple{help::HelpTopic::RayPath, "Strahlenverlauf",
                            "Allgemeines|Bewegen des Objektpunktes P, Ändern der Brechzahl|"
                            "Starten von Lichtstrahlen|Markieren von Bildpunkten und Augen|"
                            "Drucken|Speichern des Bildes in einer Datei"},
                 {help::HelpTopic::Imaging, "Abbildung von Punkten",
                  "Abbildung einzelner Punkte|Bewegen des Auges|Abbildung von Punktreihen|"
                  "Punktraster|Drucken|Speichern des Bildes in einer Datei"}}) {
            help::InfoWindow w(topic);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(w.windowTitle(), QStringLiteral("Info zum Programm TAVRIX.EXE - ") + caption);
            const QPoint corner = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
            QCOMPARE(w.frameGeometry().topLeft(), corner + QPoint(1, 1));
            QStringList found;
            for (QTextBlock b = w.textBox()->document()->begin(); b.isValid(); b = b.next()) {
                const QString t = b.text();
                QVERIFY2(b.layout()->lineCount() <= 1, qPrintable(t));
                QVERIFY2(t.size() <= help::kMaxLineLength, qPrintable(t));
                QVERIFY2(!t.contains(u'Ã'), qPrintable(t));  // UTF-8 read as Latin-1
                if (!t.isEmpty() && !t.at(0).isSpace())
                    found << t.trimmed();
            }
            QCOMPARE(found.join('|'), QString::fromUtf8(headings));
            QVERIFY2(w.textBox()->isReadOnly(), "the help text takes no typing");
        }
    }

    // Qt's own dialogs as the user meets them, answered from the keyboard by a timer once the
    // box is open: its title and text, and what the answer gives back.
    void realDialogs_data() {
        QTest::addColumn<QString>("kind"); QTest::addColumn<QString>("typed");
        QTest::addColumn<Qt::Key>("key"); QTest::addColumn<QString>("result");
        QTest::newRow("text box, typed, Return") << "text" << "Licht" << Qt::Key_Return << "Licht";
        QTest::newRow("text box, Escape: cancelled") << "text" << "x" << Qt::Key_Escape << "-";
        QTest::newRow("question, Ja clicked") << "question" << "Ja" << Qt::Key_unknown << "Ja";
        QTest::newRow("question, Return: Nein") << "question" << "" << Qt::Key_Return << "Nein";
        QTest::newRow("question, Escape: Nein") << "question" << "" << Qt::Key_Escape << "Nein";
        QTest::newRow("message, Return") << "message" << "" << Qt::Key_Return << "";
        QTest::newRow("error, Return") << "error" << "" << Qt::Key_Return << "";
    }
    void realDialogs() {
        QFETCH(QString, kind); QFETCH(QString, typed); QFETCH(Qt::Key, key);
        QFETCH(QString, result);
        QWidget window;
        ui::QtDialogs dialogs(&window);
        QString title, text;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            answer.stop();
            title = box->windowTitle();
            if (auto *m = qobject_cast<QMessageBox *>(box)) {
                text = m->text();
                for (QAbstractButton *b : m->buttons())
                    if (b->text() == typed)
                        b->click();
            } else if (auto *i = qobject_cast<QInputDialog *>(box)) {
                text = i->labelText();
                QTest::keyClicks(box->focusWidget(), typed);
            }
            if (key != Qt::Key_unknown)
                QTest::keyClick(box->focusWidget(), key);
        });
        answer.start(10);
        QString got;
        const QString said = "Bitte geben Sie die Titelzeile für den Ausdruck ein!";
        if (kind == "text")
            got = dialogs.askText(said, "Eingabe").value_or("-");
        else if (kind == "question")
            got = dialogs.askYesNo(said) ? "Ja" : "Nein";
        else
            kind == "message" ? dialogs.showMessage(said) : dialogs.showError(said);
        QCOMPARE(got, result);
        QCOMPARE(text, said);
        QCOMPARE(title, kind == "text" ? QString("Eingabe") : QCoreApplication::applicationName());
    }

    // Every control's place and text as it opens: in fractions of the window (1960 px
    // square), or in the field in scene units, of a hint its corner alone. (The index
    // boxes' texts have a table of their own.)
    void controls_data() {
        QTest::addColumn<bool>("imaging"); QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("at"); QTest::addColumn<QString>("text");
        const auto row = [](bool imaging, const char *name, QRectF at, const char *text) {
            QTest::addRow("%s %s", imaging ? "imaging" : "ray path", *name ? name : "window")
                << imaging << QString(name) << at << QString::fromUtf8(text);
        };
        row(false, "", {}, "Tavrix   -  Strahlenverlauf");
        row(false, "field", {0, 0, 0.75, 0.735}, "");
        row(false, "partsCaption", {0.75, 0.01, 0.23, 0.05}, " Wahl der Strahlen");
        row(false, "refractedBox", {0.75, 0.06, 0.11, 0.05}, "gebrochene [x]");
        row(false, "refractedExtensionBox", {0.86, 0.06, 0.12, 0.05}, "Verlängerungen [x]");
        row(false, "reflectedBox", {0.75, 0.11, 0.11, 0.05}, "gespiegelte [ ]");
        row(false, "reflectedExtensionBox", {0.86, 0.11, 0.11, 0.05}, "Verlängerungen [ ]");
        row(false, "normalsBox", {0.75, 0.16, 0.11, 0.05}, "Einfallslote [ ]");
        row(false, "clearRaysButton", {0.75, 0.22, 0.24, 0.05}, "Strahlen löschen");
        row(false, "indexCaption", {0.75, 0.29, 0.14, 0.03}, "     Brechzahl n = ");
        row(false, "indexText", {0.9, 0.297, 0.04, 0.03}, nullptr);
        row(false, "indexBar", {0.75, 0.33, 0.24, 0.03}, "133");
        row(false, "markersCaption", {0.75, 0.41, 0.26, 0.03},
            " Markierungen setzen (anklicken!)");
        row(false, "eyeSymbolBox", {0.76, 0.44, 0.04, 0.04}, "Auge [ ]");
        row(false, "pointSymbolBox", {0.81, 0.44, 0.04, 0.04}, "Punkt [ ]");
        row(false, "clearMarkersButton", {0.75, 0.49, 0.24, 0.05}, "Markierungen löschen");
        row(false, "printButton", {0.75, 0.58, 0.115, 0.05}, "Drucken");
        row(false, "infoButton", {0.875, 0.58, 0.115, 0.05}, "Info");
        row(false, "imagingButton", {0.75, 0.67, 0.24, 0.05}, "zur Abbildung von Punkten");
        row(false, "upperIndexText", {800, -950, 200, 100}, nullptr);
        row(false, "lowerIndexText", {800, 50, 200, 100}, nullptr);
        row(false, "rayHint", {-990, -980, 0, 0}, "Strahl verändern: linke Maustaste drücken!");
        row(false, "objectHint", {-990, 900, 0, 0}, "Objektposition: rechte Maustaste drücken!");
        row(true, "", {}, "Tavrix - Abbildung von Punkten");
        row(true, "field", {0, 0, 0.75, 0.735}, "");
        row(true, "modeLabel", {0.76, 0.01, 0.24, 0.03}, "Abbildung von");
        row(true, "singlePointsButton", {0.8, 0.04, 0.19, 0.05}, "einzelnen Punkten [x]");
        row(true, "pointRowsButton", {0.8, 0.09, 0.19, 0.05}, "Punktreihen [ ]");
        row(true, "gridBox", {0.8, 0.14, 0.19, 0.05}, "Raster [ ]");
        row(true, "clearRowButton", {0.76, 0.2, 0.2, 0.05}, "Löschen");
        row(true, "indexLabel", {0.76, 0.28, 0.14, 0.03}, "  Brechzahl n  ");
        row(true, "indexBar", {0.76, 0.32, 0.15, 0.03}, "133");
        row(true, "upperIndexBox", {0.915, 0.305, 0.045, 0.03}, nullptr);
        row(true, "lowerIndexBox", {0.915, 0.335, 0.045, 0.03}, nullptr);
        row(true, "printButton", {0.76, 0.38, 0.095, 0.05}, "Bild Drucken");
        row(true, "saveBitmapButton", {0.865, 0.38, 0.095, 0.05}, "Bild alsDatei");
        row(true, "rayPathButton", {0.76, 0.48, 0.2, 0.05}, "zum Strahlenverlauf");
        row(true, "infoButton", {0.76, 0.535, 0.2, 0.05}, "Info");
        row(true, "upperFieldIndexBox", {800, -950, 200, 100}, nullptr);
        row(true, "lowerFieldIndexBox", {800, 50, 200, 100}, nullptr);
        row(true, "eyeHint", {-980, -980, 0, 0}, "Augenposition: linke Maustaste drücken!");
        row(true, "objectHint", {-980, 800, 0, 0}, "Objektposition: rechte Maustaste drücken");
    }
    void controls() {
        QFETCH(bool, imaging); QFETCH(QString, name); QFETCH(QRectF, at); QFETCH(QString, text);
        Views v;
        QWidget *c = v.control(imaging, name);
        QVERIFY(c);
        if (!text.isNull())
            QCOMPARE(textOf(c), text);
        if (name.isEmpty())
            return;
        // What a screen reader says: a button its caption, the index controls and the field
        // what they show. The index boxes only show: typing into them changes nothing.
        static const QHash<QString, QString> spoken{
            {"field", "Zeichenfeld"}, {"indexBar", "Brechzahl n"}, {"indexText", "Brechzahl n"},
            {"upperIndexText", "Brechzahl oben"}, {"lowerIndexText", "Brechzahl unten"},
            {"upperIndexBox", "Brechzahl oben"}, {"lowerIndexBox", "Brechzahl unten"}};
        if (auto *b = qobject_cast<QAbstractButton *>(c))
            QCOMPARE(b->accessibleName(), b->text());
        else if (spoken.contains(name))
            QCOMPARE(c->accessibleName(), spoken[name]);
        if (auto *box = qobject_cast<QLineEdit *>(c)) {
            const QString before = box->text();
            QTest::keyClicks(box, "7");
            QCOMPARE(box->text(), before);
        }
        const QRect screen(0, 0, 2000, 2000);
        imaging ? v.images.applyLayout(screen) : v.rays.applyLayout(screen);
        if (auto *label = qobject_cast<QLabel *>(c))  // the whole caption or hint shows
            QVERIFY(label->width() >= label->sizeHint().width());
        const auto *f = static_cast<canvas::DrawingField *>(v.control(imaging, "field"));
        const QRectF want = std::abs(at.x()) > 1  // scene units, else fractions of the window
            ? QRectF(f->toPixel(at.left(), at.top()), f->toPixel(at.right(), at.bottom()))
            : QRectF(at.topLeft() * 1960 + QPointF(1, 0), at.size() * 1960);
        const QRect g = want.isEmpty() ? QRect(c->pos(), QSize(0, 0)) : c->geometry();
        const double off = std::max({std::abs(g.x() - want.x()), std::abs(g.y() - want.y()),
            std::abs(g.width() - want.width()), std::abs(g.height() - want.height())});
        QVERIFY2(off <= 3, qPrintable(QDebug::toString(g)));
    }

    // On every screen shape each window lies on the screen under its title bar, its right edge
    // 0.01 of its laid-out width right of the rightmost thing its controls show: no empty
    // band beside the column. Every index box shows its widest text whole, also in a large font, and stays
    // inside the field or the window.
    void windowFitsColumn_data() {
        QTest::addColumn<QSize>("screen"); QTest::addColumn<int>("points");
        QTest::newRow("4:3") << QSize(1024, 768) << 0;
        QTest::newRow("4:3, 16 pt") << QSize(1024, 768) << 16;
        QTest::newRow("16:9") << QSize(1920, 1080) << 0;
        QTest::newRow("16:10") << QSize(1280, 800) << 0;
    }
    void windowFitsColumn() {
        QFETCH(QSize, screen); QFETCH(int, points);
        Views v;
        for (bool imaging : {false, true}) {
            QWidget *w = v.control(imaging, "");
            if (points) {
                QFont large = w->font();
                large.setPointSize(points);
                w->setFont(large);
            }
            static_cast<QScrollBar *>(v.control(imaging, "indexBar"))->setValue(199);
            imaging ? v.images.applyLayout(QRect(QPoint(0, 0), screen))
                    : v.rays.applyLayout(QRect(QPoint(0, 0), screen));
            // the rightmost column that shows anything but the window's background
            const QImage shown = w->grab().toImage();
            const QRgb background = shown.pixel(shown.width() - 1, 0);
            int right = shown.width();
            const auto blank = [&](int x) {
                for (int y = 0; y < shown.height(); ++y)
                    if (shown.pixel(x, y) != background)
                        return false;
                return true;
            };
            while (right > 0 && blank(right - 1))
                --right;
            const int margin = qRound(0.01 * 0.98 * screen.width());
            QVERIFY2(std::abs(w->width() - right - margin) <= 2,
                     qPrintable(QStringLiteral("%1 px right of the content").arg(w->width() - right)));
            const QWidget *field = v.control(imaging, "field");  // as high as 0.98 of its width
            QVERIFY2(std::abs(field->height() - 0.98 * field->width()) <= 1.5,
                     qPrintable(QDebug::toString(field->size())));
            // and the title bar of a common desktop, 24 pixels, over it leaves it on the screen
            QVERIFY(QRect(QPoint(0, 0), screen).contains(w->geometry().translated(0, 24)));
            for (QLineEdit *box : w->findChildren<QLineEdit *>()) {
                QStyleOptionFrame o;
                o.initFrom(box);
                o.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, box);
                const int room =
                    box->style()->subElementRect(QStyle::SE_LineEditContents, &o, box).width();
                QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= room - 4,
                         qPrintable(box->objectName()));
                // (a box of the field ends on its right edge, the scene's 1000)
                QVERIFY(box->x() >= 0);
                QVERIFY(box->geometry().right() <= box->parentWidget()->width());
            }
        }
    }

    // The index boxes of both windows at a scroll value (0: as they open), also in German:
    // the ray path's beside the bar, above and below; the imaging's beside the bar, then in
    // the field. Below n = 1 the upper medium shows the reciprocal.
    void indexTexts_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("rayPath"); QTest::addColumn<QStringList>("imaging");
        const auto row = [](int value, QStringList rayPath, QStringList imaging) {
            const QString n = QStringLiteral("n = %1").arg(value / 100.0);
            const QString name = !value ? "as opened, n = 1.33" : value < 100 ? n + ", upper 1/n" : n;
            QTest::addRow("%s", qPrintable(name)) << value << rayPath << imaging;
        };
        row(0, {"1.33", " n = 1", " n = 1.33"}, {"   1.00", "   1.33", " n = 1 ", " n = 1.33"});
        row(50, {"2", " n = 2", "n = 1 "}, {"  2", "  1.00", " n = 2", " n = 1 "});
        row(57, {"1.75", " n = 1.75", "n = 1 "}, {"  1.75", "  1.00", " n = 1.75", " n = 1 "});
        row(60, {"1.67", " n = 1.67", "n = 1 "}, {"  1.67", "  1.00", " n = 1.67", " n = 1 "});
        row(75, {"1.33", " n = 1.33", "n = 1 "}, {"  1.33", "  1.00", " n = 1.33", " n = 1 "});
        row(100, {"1", "n = 1 ", " n = 1"}, {"  1.00 ", "  1", " n = 1 ", " n = 1"});
        row(199, {"1.99", "n = 1 ", " n = 1.99"}, {"  1.00 ", "  1.99", " n = 1 ", " n = 1.99"});
        row(200, {"2", "n = 1 ", " n = 2"}, {"  1.00 ", "  2", " n = 1 ", " n = 2"});
    }
    void indexTexts() {
        QFETCH(int, value); QFETCH(QStringList, rayPath); QFETCH(QStringList, imaging);
        struct Restore { ~Restore() { QLocale::setDefault(QLocale::c()); } } restore;
        for (const char *locale : {"C", "de_DE"}) {
            QLocale::setDefault(QLocale(locale));
            Views v;
            for (auto [inImaging, want] : {std::pair{false, rayPath}, {true, imaging}}) {
                QStringList shown;
                if (value)
                    static_cast<QScrollBar *>(v.control(inImaging, "indexBar"))->setValue(value);
                for (const char *box : {"indexText", "upperIndexText", "lowerIndexText",
                                        "upperIndexBox", "lowerIndexBox", "upperFieldIndexBox",
                                        "lowerFieldIndexBox"})
                    if (QWidget *c = v.control(inImaging, box))
                        shown << textOf(c);
                QCOMPARE(shown, want);
            }
            // in German every number gets the comma, the fixed "1.00" too
            for (QStringList *texts : {&rayPath, &imaging})
                texts->replaceInStrings(QRegularExpression("(\\d)\\.(\\d)"), "\\1,\\2");
        }
    }

    // Windows are made on first showing, once, and keep their state hidden. The index
    // keys move n the way they point: right and up towards 2. Ctrl+C, the focus on the
    // bar, puts the field's picture as shown (at device pixels) on the clipboard, and
    // draws nothing. Closing a main window ends the program, also with an info window open.
    void windowsFromStartToEnd() {
        app::Windows w;
        w.start();
        raypath::RayPathWindow &rays = *w.rayPathWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&rays));
        QVERIFY(!w.imagingWindow());
        QVERIFY(!w.rayPathInfo());
        QVERIFY(!w.imagingInfo());
        rays.scene().handle(canvas::FieldEvent::press(canvas::MouseButtons::Right, {-200, -300}));  // P moved above
        for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_Right, Qt::Key_Up})
            QTest::keyClick(control(rays, "indexBar"), key);
        const auto copies = [](QWidget &window) {
            auto *field = control<canvas::DrawingField>(window, "field");
            const QImage shown = field->image().copy();
            QTest::keySequence(control(window, "indexBar"), QKeySequence::Copy);
            return QGuiApplication::clipboard()->image().convertToFormat(shown.format()) == shown
                   && field->image() == shown;
        };
        QVERIFY(copies(rays));
        auto click = [](QWidget &window, const char *button) {
            control<QPushButton>(window, button)->click();
        };
        click(rays, "infoButton");
        QPointer<help::InfoWindow> info = w.rayPathInfo();
        click(rays, "infoButton");  // shows the same window again
        QVERIFY(info);
        QCOMPARE(w.rayPathInfo(), info);
        QVERIFY(info->isVisible());
        QVERIFY(rays.isVisible());

        click(rays, "imagingButton");
        QPointer<imaging::ImagingWindow> images = w.imagingWindow();
        QVERIFY(images);
        QVERIFY(images->isVisible());
        QVERIFY(!rays.isVisible());
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Left, Qt::Key_Down})
            QTest::keyClick(control(*images, "indexBar"), key);
        images->scene().moveObjectPoint({300, 50});
        click(*images, "clearRowButton");  // without P's bundle, which a redraw would add
        images->activateWindow();  // as a desktop does with a window shown
        QVERIFY(QTest::qWaitForWindowActive(images));
        QVERIFY(copies(*images));
        click(*images, "infoButton");
        QVERIFY(w.imagingInfo());
        QVERIFY(w.imagingInfo()->isVisible());
        click(*images, "rayPathButton");
        QVERIFY(rays.isVisible());
        QVERIFY(!images->isVisible());
        QCOMPARE(rays.scene().objectPoint().x, -200.f);
        QCOMPARE(rays.scene().objectPoint().y, -300.f);
        QCOMPARE(rays.scene().index(), 1.45f);
        click(rays, "imagingButton");
        QCOMPARE(w.imagingWindow(), images);
        QCOMPARE(images->scene().index(), 1.21f);
        QTimer::singleShot(0, images, &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });  // did not end
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
