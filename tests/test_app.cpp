// The program's frame: the window shown at start and how the program ends.
#include "raypath/form1.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void startWindow();
    void closingTheWindowEndsTheProgram();
};

void TestApp::startWindow()
{
    raypath::Form1 f;
    QCOMPARE(f.windowTitle(), QStringLiteral("Tavrix   -  Strahlenverlauf"));
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    // The field's first picture: the interface line and P at (0, 500).
    const QImage &img = f.Picture1->image();
    const QPoint p = f.Picture1->toPixel(0, 500);
    QCOMPARE(QColor(img.pixel(p)), QColor(Qt::black));
    QCOMPARE(QColor(img.pixel(f.Picture1->toPixel(-900, 0))), QColor(Qt::black));
    QCOMPARE(QColor(img.pixel(f.Picture1->toPixel(-900, 100))), QColor(Qt::white));
    // What later versions add stays visibly unavailable until it works.
    for (QPushButton *b : {f.Command2, f.Command3, f.Command5})
        QVERIFY2(!b->isEnabled(), qPrintable(b->text()));
    for (QPushButton *b : {f.Command1, f.Command4})
        QVERIFY(b->isEnabled());
}

void TestApp::closingTheWindowEndsTheProgram()
{
    raypath::Form1 f;
    f.show();
    // Another window stays open, as an info window may: the program ends all the same.
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    bool closed = false;
    QTimer::singleShot(0, &f, [&] { closed = f.close(); });
    // A watchdog, so that a program that does not end fails instead of hanging.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(closed);
}

QTEST_MAIN(TestApp)
#include "test_app.moc"
