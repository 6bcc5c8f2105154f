// The program's frame: the window shown at start, the moves between the
// windows, and how the program ends.
#include "app/application_setup.h"
#include "app/windows.h"
#include "help/info_window.h"
#include "imaging/imaging_window.h"
#include "raypath/ray_path_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void applicationSetUp();
    void startWindow();
    void switchingKeepsEachWindowsState();
    void infoWindows();
    void keyboard();
    void indexKeys_data();
    void eyeDragLeavesNoTrace_data();
    void eyeDragLeavesNoTrace();
    void indexKeys();
    void closingAMainWindowEndsTheProgram_data();
    void closingAMainWindowEndsTheProgram();
};

void TestApp::applicationSetUp()
{
    QVERIFY(app::setUpApplication(*qApp));
    // Qt's own buttons speak German; numbers keep the locale's form.
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(QLocale().toString(1.5), QStringLiteral("1.5"));
    // The windows' icon can be drawn, and the desktop finds the menu entry.
    QVERIFY(!QApplication::windowIcon().pixmap(64).isNull());
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.tavrix.Tavrix"));
}

void TestApp::startWindow()
{
    app::Windows w;
    w.start();
    raypath::RayPathWindow &f = *w.rayPathWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.windowTitle(), QStringLiteral("Tavrix   -  Strahlenverlauf"));
    QVERIFY(!w.imagingWindow() && !w.rayPathInfo() && !w.imagingInfo());
    // The field's first picture: the interface line and P at (0, 500).
    const QImage &img = f.field->image();
    QCOMPARE(QColor(img.pixel(f.field->toPixel(0, 500))), QColor(Qt::black));
    QCOMPARE(QColor(img.pixel(f.field->toPixel(-900, 0))), QColor(Qt::black));
    QCOMPARE(QColor(img.pixel(f.field->toPixel(-900, 100))), QColor(Qt::white));
}

void TestApp::switchingKeepsEachWindowsState()
{
    app::Windows w;
    w.start();
    raypath::RayPathWindow &f1 = *w.rayPathWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&f1));
    f1.scene().press(raypath::MouseButton::Right, -200, -300);
    f1.scene().press(raypath::MouseButton::Left, 100, 0);
    f1.scene().release(raypath::MouseButton::Left, 100, 0);
    f1.indexBar->setValue(150);

    f1.imagingButton->click();
    imaging::ImagingWindow *f2 = w.imagingWindow();
    QVERIFY(f2 && f2->isVisible() && !f1.isVisible());
    QCOMPARE(f2->windowTitle(), QStringLiteral("Tavrix - Abbildung von Punkten"));
    QVERIFY(QTest::qWaitForWindowExposed(f2));
    QCOMPARE(f2->scene().index(), 1.33f);  // each window has its own index
    f2->indexBar->setValue(90);
    f2->scene().moveEye({-400, -500});

    f2->rayPathButton->click();
    QVERIFY(f1.isVisible() && !f2->isVisible());
    QCOMPARE(f1.scene().objectPoint().x, -200.f);
    QCOMPARE(f1.scene().objectPoint().y, -300.f);
    QCOMPARE(f1.scene().rayHits().size(), size_t(1));
    QCOMPARE(f1.scene().index(), 1.5f);

    f1.imagingButton->click();
    QCOMPARE(w.imagingWindow(), f2);  // made once, kept while hidden
    QCOMPARE(f2->scene().index(), 0.9f);
    QCOMPARE(f2->scene().eye().x, -400.f);
}

void TestApp::infoWindows()
{
    app::Windows w;
    w.start();
    raypath::RayPathWindow &f1 = *w.rayPathWindow();
    f1.infoButton->click();
    f1.infoButton->click();
    QPointer<help::InfoWindow> info = w.rayPathInfo();
    QVERIFY(info && info->isVisible());
    const QWidgetList tops = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(tops.begin(), tops.end(),
                           [](QWidget *t) { return qobject_cast<help::InfoWindow *>(t) != nullptr; }),
             1);
    const QString text = info->textBox()->toPlainText();
    QVERIFY(f1.isVisible());  // beside the main window, not instead of it

    // Closed, it is gone; shown again, it is made afresh with the same text.
    info->close();
    QTRY_VERIFY(info.isNull());
    QVERIFY(f1.isVisible());
    f1.infoButton->click();
    QVERIFY(w.rayPathInfo() && w.rayPathInfo()->isVisible());
    QCOMPARE(w.rayPathInfo()->textBox()->toPlainText(), text);

    f1.imagingButton->click();
    w.imagingWindow()->infoButton->click();
    QVERIFY(w.imagingInfo() && w.imagingInfo()->isVisible());
    QVERIFY(w.imagingInfo()->textBox()->toPlainText() != text);
}

void TestApp::keyboard()
{
    app::Windows w;
    w.start();
    raypath::RayPathWindow &f = *w.rayPathWindow();
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.refractedBox->setFocus();
    // Tab walks the column, and every stop has a name a screen reader can say.
    const QList<QWidget *> expected{f.refractedExtensionBox, f.reflectedBox,
                                    f.reflectedExtensionBox, f.normalsBox, f.clearRaysButton,
                                    f.indexBar, f.eyeSymbolBox, f.pointSymbolBox,
                                    f.clearMarkersButton, f.printButton, f.infoButton,
                                    f.imagingButton};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        QVERIFY(!next->accessibleName().isEmpty());
    }
    // The palette and the scroll bar work from the keyboard.
    QTest::keyClick(f.pointSymbolBox, Qt::Key_Space);
    QCOMPARE(f.scene().armedSymbol(), raypath::MarkerSymbol::Point);
    QVERIFY(f.pointSymbolBox->isFramed());
    QCOMPARE(f.reflectedExtensionBox->accessibleName(), QStringLiteral("Verlängerungen"));
}

void TestApp::indexKeys_data()
{
    QTest::addColumn<bool>("imaging");
    QTest::addColumn<int>("key");
    QTest::addColumn<float>("n");
    // The keys move n the way they point: right and up towards 2.00.
    for (bool imaging : {false, true}) {
        const char *view = imaging ? "imaging" : "ray path";
        QTest::addRow("%s, Right", view) << imaging << int(Qt::Key_Right) << 1.34f;
        QTest::addRow("%s, Left", view) << imaging << int(Qt::Key_Left) << 1.32f;
        QTest::addRow("%s, Up", view) << imaging << int(Qt::Key_Up) << 1.34f;
        QTest::addRow("%s, PageUp", view) << imaging << int(Qt::Key_PageUp) << 1.43f;
        QTest::addRow("%s, PageDown", view) << imaging << int(Qt::Key_PageDown) << 1.23f;
        QTest::addRow("%s, End", view) << imaging << int(Qt::Key_End) << 2.0f;
        QTest::addRow("%s, Home", view) << imaging << int(Qt::Key_Home) << 0.5f;
    }
}

void TestApp::indexKeys()
{
    QFETCH(bool, imaging);
    QFETCH(int, key);
    QFETCH(float, n);
    raypath::RayPathWindow rays;
    imaging::ImagingWindow images;
    QScrollBar *bar = imaging ? images.indexBar : rays.indexBar;
    QTest::keyClick(bar, Qt::Key(key));
    QCOMPARE(imaging ? images.scene().index() : rays.scene().index(), n);
}

void TestApp::eyeDragLeavesNoTrace_data()
{
    QTest::addColumn<bool>("imaging");
    QTest::addColumn<int>("width");
    // On a 4K screen one scene unit is about a pixel.
    QTest::newRow("imaging eye, 2130 px") << true << 2130;
    QTest::newRow("ray-path eye marker, 2130 px") << false << 2130;
    QTest::newRow("imaging eye, 700 px") << true << 700;
}

void TestApp::eyeDragLeavesNoTrace()
{
    // Dragging an eye erases it at each step: afterwards nothing is black
    // but the eye where it was let go of.
    QFETCH(bool, imaging);
    QFETCH(int, width);
    raypath::RayPathWindow rays;
    imaging::ImagingWindow images;
    canvas::DrawingField *field = imaging ? images.field : rays.field;
    field->resize(width, int(0.98 * width));
    const double r = double(width) / int(0.98 * width);
    field->setScale(-1000, -1000 / r, 1000, 1000 / r);
    field->clear();
    const auto press = [&](float x, float y) {
        imaging ? images.pressOnField(1, x, y)
                : rays.scene().press(raypath::MouseButton::Left, x, y);
    };
    const auto move = [&](float x, float y) {
        imaging ? images.dragOnField(1, x, y)
                : rays.scene().move(raypath::MouseButton::Left, x, y);
    };
    if (!imaging)
        rays.scene().toggleSymbol(raypath::MarkerSymbol::Eye);  // the eye from the palette
    press(-700, -700);
    for (int i = 1; i <= 30; ++i)
        move(-700 + 43.3f * i, -700 + 17.1f * i);
    const QPointF last = field->toPixel(-700 + 43.3 * 30, -700 + 17.1 * 30);
    const double reach = 50 * width / 2000.0 + 10;
    const QImage img = field->image();
    int traces = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            traces += img.pixel(x, y) != canvas::kWhite
                      && QLineF(QPointF(x, y), last).length() > reach;
    QCOMPARE(traces, 0);
}

void TestApp::closingAMainWindowEndsTheProgram_data()
{
    QTest::addColumn<bool>("imaging");
    QTest::newRow("ray-path window") << false;
    QTest::newRow("imaging window") << true;
}

void TestApp::closingAMainWindowEndsTheProgram()
{
    QFETCH(bool, imaging);
    app::Windows w;
    w.start();
    // An info window stays open: the program ends all the same.
    w.rayPathWindow()->infoButton->click();
    QWidget *main = w.rayPathWindow();
    if (imaging) {
        w.rayPathWindow()->imagingButton->click();
        main = w.imagingWindow();
    }
    QVERIFY(QTest::qWaitForWindowExposed(main));
    bool closed = false;
    QTimer::singleShot(0, main, [&] { closed = main->close(); });
    // A watchdog, so that a program that does not end fails instead of hanging.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(closed);
}

QTEST_MAIN(TestApp)
#include "test_app.moc"
