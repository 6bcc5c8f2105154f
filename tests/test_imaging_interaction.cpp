// The imaging window worked with the mouse: where the eye and P end up, what
// the pointers show, and what the picture shows after each release.
#include "ui/screen_pointer.h"
#include "imaging/imaging_window.h"
#include "optics/image_construction.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace imaging;
using Path = QList<QPointF>;

namespace {

// The rows name pointer shapes by number: 1 arrow, 2 cross, 12 no-drop sign.
canvas::Pointer shape(int code)
{
    return code == 2 ? canvas::Pointer::Cross : code == 12 ? canvas::Pointer::NoDrop : canvas::Pointer::Arrow;
}

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);

QPointF toQPointF(Point p) { return {p.x, p.y}; }

QPoint pixelOf(const ImagingWindow &f, QPointF s) { return f.field->toPixel(s.x(), s.y()); }

// Pixels of the colour within r pixels of c.
int around(const QImage &img, QPoint c, QRgb colour, int r)
{
    int n = 0;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            n += img.valid(c + QPoint(dx, dy)) && img.pixel(c + QPoint(dx, dy)) == colour;
    return n;
}
bool redNear(ImagingWindow &f, QPointF s) { return around(f.field->image(), pixelOf(f, s), kRed, 3) > 0; }
// A dot of the 5-pixel pen covers the 3x3 block under its point.
bool dotAt(ImagingWindow &f, QPointF s) { return around(f.field->image(), pixelOf(f, s), kBlack, 1) == 9; }
int redPixels(ImagingWindow &f) { return around(f.field->image(), QPoint(0, 0), kRed, 2000); }

// Where the eye sees the object point p.
std::optional<QPointF> imageOf(const ImagingWindow &f, QPointF p)
{
    const ImagingScene &scene = f.scene();
    const auto i = optics::imagePoint({float(p.x()), float(p.y())}, scene.eye(), scene.index());
    return i ? std::optional(QPointF(i->x, i->y)) : std::nullopt;
}

void rightClick(ImagingWindow &f, QPointF s) { QTest::mouseClick(f.field, Qt::RightButton, {}, pixelOf(f, s)); }

void moveHolding(ImagingWindow &f, Qt::MouseButtons held, QPointF s)
{
    const QPoint p = pixelOf(f, s);
    QMouseEvent ev(QEvent::MouseMove, p, f.field->mapToGlobal(p), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(f.field, &ev);
}

}  // namespace

class TestImagingInteraction : public QObject
{
    Q_OBJECT

    std::unique_ptr<ImagingWindow> f;

private slots:
    void init()
    {
        f = std::make_unique<ImagingWindow>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup()
    {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    // Presses and drags sent to the handlers with exact scene values; the field
    // is blanked first, so what shows after the release was drawn by it.
    void drag_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("rows");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<Path>("path");
        QTest::addColumn<QPointF>("eye");
        QTest::addColumn<QPointF>("p");
        QTest::addColumn<int>("fieldPointer");
        QTest::addColumn<int>("screen");
        const QPointF e0(300, -500), p0(0, 500);
        auto row = [](const char *name, int button, bool rows, const Path &path, QPointF eye, QPointF p,
                      int fieldPointer, int screen, bool grid = false) {
            QTest::newRow(name) << button << rows << grid << path << eye << p << fieldPointer << screen;
        };
        row("eye: press on the limit", 1, false, {{200, -50}}, {200, -50}, p0, 1, 2);
        row("eye: press just below it", 1, false, {{200, -49.9}}, e0, p0, 1, 12);
        row("eye: drag up to the limit", 1, false, {{200, -300}, {-100, -50}}, {-100, -50}, p0, 1, 2);
        row("eye: drag past the limit", 1, false, {{200, -300}, {-100, -49.9}}, {200, -300}, p0, 1, 12);
        row("eye, rows: press below the interface", 1, true, {{200, 40}}, {200, 40}, p0, 1, 2);
        row("eye, rows: press on the row limit", 1, true, {{200, 50}}, {200, 50}, p0, 1, 2);
        row("eye, rows: press past the row limit", 1, true, {{200, 50.1}}, e0, p0, 1, 12);
        row("eye, rows: drag below the interface", 1, true, {{200, -300}, {200, 40}}, {200, -300}, p0, 1, 12);
        row("P: press on the press limit", 2, false, {{150, 10}}, e0, {150, 50}, 1, 2);
        row("P: press just short of it", 2, false, {{150, 9.99}}, e0, p0, 12, 1);
        row("P: press at 60", 2, false, {{150, 60}}, e0, {150, 50}, 1, 2);
        row("P: drag to 60", 2, false, {{150, 60}, {-200, 60}}, e0, {-200, 60}, 1, 2);
        row("P: drag to 20", 2, false, {{150, 60}, {-200, 20}}, e0, {-200, 50}, 1, 2);
        row("P: drag to the interface", 2, false, {{150, 60}, {-200, 0}}, e0, {150, 50}, 1, 2);
        row("P, grid: single point", 2, false, {{123, 476}}, e0, {123, 476}, 1, 2, true);
        row("row: no grid", 2, true, {{123, 476}}, e0, {123, 476}, 1, 2);
        // With the grid ticked a row point goes to the nearest node, halves up.
        row("row, grid: nearest node", 2, true, {{123, 476}}, e0, {100, 500}, 1, 2, true);
        row("row, grid: halfway", 2, true, {{125, 475}}, e0, {150, 500}, 1, 2, true);
        row("row, grid: left of the axis", 2, true, {{-75, 524}}, e0, {-50, 500}, 1, 2, true);
        row("row, grid: above the interface", 2, true, {{-125, -26}}, e0, {-100, -50}, 1, 2, true);
        row("row, grid: onto the interface", 2, true, {{10, 20}}, e0, {0, 0}, 1, 2, true);
        row("row, grid: near the interface", 2, true, {{37, 112}}, e0, {50, 100}, 1, 2, true);
        row("row, grid: near it, left", 2, true, {{-37, 112}}, e0, {-50, 100}, 1, 2, true);
        row("row, grid: dragged off the node", 2, true, {{123, 476}, {127, 481}}, e0, {127, 481}, 1, 2, true);
    }
    void drag()
    {
        QFETCH(int, button);
        QFETCH(bool, rows);
        QFETCH(bool, grid);
        QFETCH(Path, path);
        QFETCH(QPointF, eye);
        QFETCH(QPointF, p);
        QFETCH(int, fieldPointer);
        QFETCH(int, screen);
        f->pointRowsButton->setChecked(rows);
        f->gridBox->setChecked(grid);
        f->field->clear();
        f->pressOnField(button, path.front().x(), path.front().y());
        QCOMPARE(f->field->pointer(), shape(fieldPointer));
        for (const QPointF &s : path.mid(1))
            f->dragOnField(button, s.x(), s.y());
        QCOMPARE(toQPointF(f->scene().eye()), eye);
        QCOMPARE(toQPointF(f->scene().objectPoint()), p);
        QCOMPARE(ui::screenPointer(), shape(screen));
        f->releaseOnField(button, path.back().x(), path.back().y());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(f->field->pointer(), canvas::Pointer::Arrow);
        const QImage &img = f->field->image();
        QVERIFY(around(img, pixelOf(*f, eye + QPointF(50, 0)), kBlack, 2) > 0);  // the eye's outline
        QVERIFY(around(img, pixelOf(*f, {-900, 0}), kBlack, 2) >= 8);            // the interface
        // A right release in row mode stores P; only below the interface it has an image.
        const bool stored = rows && button == 2;
        const auto &row = f->scene().rowPoints();
        QCOMPARE(int(row.size()), stored ? 1 : 0);
        if (stored)
            QCOMPARE(toQPointF(row[0]), p);
        if (rows && button == 1)
            return;
        QVERIFY(dotAt(*f, p));
        const auto image = imageOf(*f, p);
        QCOMPARE(bool(image), p.y() > 0);
        if (image)
            QVERIFY(image->y() < p.y() && redNear(*f, *image));
        else
            QCOMPARE(redPixels(*f), 0);
    }

    // A row filled with real clicks, up to the last place and past it.
    void rowOfPoints()
    {
        f->pointRowsButton->setChecked(true);
        for (const QPointF &s : {QPointF(-400, 300), QPointF(200, 600), QPointF(500, -200)})
            rightClick(*f, s);
        const auto &row = f->scene().rowPoints();
        QCOMPARE(int(row.size()), 3);
        // The two points below the interface show their images, the third none.
        int redAtImages = 0;
        for (int i = 0; i < 2; ++i) {
            const auto image = imageOf(*f, toQPointF(row[i]));
            QVERIFY(image && image->y() < row[i].y && redNear(*f, *image));
            redAtImages += around(f->field->image(), pixelOf(*f, *image), kRed, 3);
        }
        QCOMPARE(redPixels(*f), redAtImages);
        for (int i = 4; i <= 100; ++i)
            rightClick(*f, {-900 + 17.0 * i, 100 + 8.0 * i});
        QCOMPARE(int(row.size()), 100);
        // The hundredth point, to be kept.
        const QPointF last = toQPointF(f->scene().objectPoint());
        const QImage full = f->field->image();
        // A 101st point is refused whole: press, drag and release.
        QTest::mousePress(f->field, Qt::RightButton, {}, pixelOf(*f, {-700, 150}));
        moveHolding(*f, Qt::RightButton, {-600, 250});
        QTest::mouseRelease(f->field, Qt::RightButton, {}, pixelOf(*f, {-600, 250}));
        QCOMPARE(int(row.size()), 100);
        QCOMPARE(toQPointF(row.back()), last);
        QCOMPARE(toQPointF(f->scene().objectPoint()), last);
        QVERIFY(f->field->image() == full);
        QTest::mouseClick(f->clearRowButton, Qt::LeftButton);
        QVERIFY(row.empty());
        QCOMPARE(redPixels(*f), 0);
        QVERIFY(dotAt(*f, toQPointF(f->scene().objectPoint())));
        QCOMPARE(around(f->field->image(), pixelOf(*f, {-400, 300}), kBlack, 1), 0);
    }

    void pointerStack_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("rows");
        QTest::newRow("left release") << Qt::LeftButton << false;
        QTest::newRow("rows: right release") << Qt::RightButton << true;
    }
    void pointerStack()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, rows);
        f->pointRowsButton->setChecked(rows);
        // Presses and moves of both buttons, allowed and refused ones mixed.
        auto mash = [this] {
            for (int i = 0; i < 50; ++i) {
                QTest::mousePress(f->field, Qt::LeftButton, {}, pixelOf(*f, {100, i % 2 ? -300.0 : 60.0}));
                moveHolding(*f, Qt::LeftButton, {100, i % 3 ? -200.0 : 0.0});
                QTest::mousePress(f->field, Qt::RightButton, {}, pixelOf(*f, {-100, i % 2 ? 300.0 : 0.0}));
                moveHolding(*f, Qt::RightButton, {-100, i % 3 ? 400.0 : -300.0});
            }
        };
        mash();
        QVERIFY(QGuiApplication::overrideCursor());
        QTest::mouseRelease(f->field, button, {}, pixelOf(*f, {-100, 400}));
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(f->field->pointer(), canvas::Pointer::Arrow);
        // Whoever restores the override cursor once finds the arrow again.
        mash();
        QGuiApplication::restoreOverrideCursor();
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void imagePoint_data()
    {
        QTest::addColumn<QPointF>("eye");
        QTest::addColumn<QPointF>("image");
        QTest::newRow("eye at the start") << QPointF(300, -500) << QPointF(6.6, 347.3);
        QTest::newRow("eye mirrored") << QPointF(-300, -500) << QPointF(-6.6, 347.3);
        QTest::newRow("eye straight above P") << QPointF(0, -500) << QPointF(0, 500 / 1.33);
    }
    void imagePoint()
    {
        QFETCH(QPointF, eye);
        QFETCH(QPointF, image);
        f->field->clear();  // the release draws the picture anew
        QTest::mouseClick(f->field, Qt::LeftButton, {}, pixelOf(*f, eye));
        QVERIFY(redNear(*f, image));
    }
};

QTEST_MAIN(TestImagingInteraction)
#include "test_imaging_interaction.moc"
