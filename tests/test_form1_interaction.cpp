// The ray-path window worked with the mouse as a user works it, checked by
// the state the window keeps and the picture on its field.
#include "imaging/imaging_window.h"
#include "raypath/form1.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>
#include <cmath>
#include <memory>
#include <vector>

using raypath::Form1;
using Path = std::vector<QPointF>;

Q_DECLARE_METATYPE(Path)

namespace {

QPoint pixelOf(const Form1 &f, QPointF s) { return f.Picture1->toPixel(s.x(), s.y()); }
// The scene point the field reports for the pixel under s.
QPointF sceneOf(const Form1 &f, QPointF s) { return f.Picture1->toScene(QPointF(pixelOf(f, s))); }

void moveHolding(Form1 &f, Qt::MouseButtons held, QPointF s)
{
    const QPoint p = pixelOf(f, s);
    QMouseEvent ev(QEvent::MouseMove, p, f.Picture1->mapToGlobal(p), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(f.Picture1, &ev);
}

// Press at the first point, move through all of them, let go at the last.
void drag(Form1 &f, Qt::MouseButton b, const Path &path)
{
    QTest::mousePress(f.Picture1, b, {}, pixelOf(f, path.front()));
    for (const QPointF &s : path)
        moveHolding(f, b, s);
    QTest::mouseRelease(f.Picture1, b, {}, pixelOf(f, path.back()));
}

void leftClick(Form1 &f, QPointF s) { drag(f, Qt::LeftButton, {s}); }

// Arms a palette symbol with a real click on its box and drops it at s.
void placeMarker(Form1 &f, QWidget *symbolBox, QPointF s)
{
    QTest::mouseClick(symbolBox, Qt::LeftButton);
    leftClick(f, s);
}

// Where the line from P through the pixel under s meets the interface.
double expectedHit(const Form1 &f, QPointF s)
{
    const QPointF a = sceneOf(f, s);
    return f.ObjectX + (a.x() - f.ObjectX) * (0.0 - f.ObjectY) / (a.y() - f.ObjectY);
}

// How many of the pixel at c and its eight neighbours have the colour: lines
// are drawn without antialiasing and may sit a pixel off the scene point.
int around(const QImage &img, QPoint c, QRgb colour)
{
    int n = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            n += img.valid(c + QPoint(dx, dy)) && img.pixel(c + QPoint(dx, dy)) == colour;
    return n;
}
bool blackNear(const QImage &img, QPoint c) { return around(img, c, qRgb(0, 0, 0)) > 0; }
bool whiteAround(const QImage &img, QPoint c) { return around(img, c, qRgb(255, 255, 255)) == 9; }

QImage shown(Form1 &f) { return f.Picture1->image().copy(); }

// Pixels in which the field differs from a complete redraw (what ticking a
// check box shows).
int pixelsOffRedraw(Form1 &f)
{
    const QImage before = shown(f);
    f.Check3D1_Click();
    const QImage after = shown(f);
    int n = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            n += before.pixel(x, y) != after.pixel(x, y);
    return n;
}

void storeRays(Form1 &f, const std::vector<float> &hits)
{
    f.RayCount = std::int16_t(hits.size());
    for (size_t i = 0; i < hits.size(); ++i)
        f.RayHitX[i + 1] = hits[i];
    f.Check3D1_Click();
}

// A point 300 units along the refracted part of the ray drawn last.
QPointF onRefractedRay(const Form1 &f)
{
    const QPointF hit(f.HitX, 0);
    const QPointF d = QPointF(f.RefractedEnd.x, f.RefractedEnd.y) - hit;
    return hit + 300 * d / std::hypot(d.x(), d.y());
}

// Pixels of the field that its window shows otherwise than the field's
// image, once the repaint the field asked for is done. The window's picture
// is read back from the platform, as the screen got it.
int offScreen(QWidget &window, canvas::DrawingField &field)
{
    QCoreApplication::processEvents();
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window, &request);
    const QRect area(field.mapTo(&window, QPoint(0, 0)), field.size());
    const QImage screen = window.screen()
                              ->grabWindow(window.winId(), area.x(), area.y(), area.width(),
                                           area.height())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    const QImage image = field.image();
    if (screen.size() != image.size())
        return -1;
    QRegion covered;
    for (const QWidget *child : field.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            covered += child->geometry();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += screen.pixel(x, y) != image.pixel(x, y) && !covered.contains(QPoint(x, y));
    return n;
}

}  // namespace

class TestForm1Interaction : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;

private slots:
    void init()
    {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    // A click fixes the ray from P through the aim point; where no live ray
    // could be drawn (on P, level with it, straight above it, or meeting the
    // interface far outside the field) letting go must fix nothing.
    void leftClickFixesRay_data()
    {
        QTest::addColumn<QPointF>("aim");
        QTest::addColumn<bool>("fixes");
        QTest::newRow("on the interface") << QPointF(300, 0) << true;
        QTest::newRow("between P and the interface") << QPointF(-200, 250) << true;
        QTest::newRow("beyond the interface") << QPointF(400, -400) << true;
        QTest::newRow("below P") << QPointF(100, 800) << true;
        QTest::newRow("on P") << QPointF(0, 500) << false;
        QTest::newRow("level with P") << QPointF(600, 500) << false;
        QTest::newRow("straight above P") << QPointF(0, 200) << false;
        QTest::newRow("interface far outside") << QPointF(900, 480) << false;
    }

    void leftClickFixesRay()
    {
        QFETCH(QPointF, aim);
        QFETCH(bool, fixes);
        Form1 &f = *form;
        storeRays(f, {-700});
        // P where the field reports the pixel under (0, 500): aims in that
        // pixel's row or column are then exactly level with or above P.
        drag(f, Qt::RightButton, {{0, 500}});
        const double hit = expectedHit(f, aim);
        leftClick(f, aim);
        QCOMPARE(f.RayCount, std::int16_t(fixes ? 2 : 1));
        if (!fixes)
            return;
        QVERIFY2(std::abs(f.RayHitX[2] - hit) < 0.5,
                 qPrintable(QString("fixed at %1, expected %2").arg(f.RayHitX[2]).arg(hit)));
        // The incident ray stays on the field, half way down to the interface.
        QVERIFY(blackNear(shown(f), pixelOf(f, {(f.ObjectX + hit) / 2, f.ObjectY / 2})));
    }

    void leftDragLeavesNoTraces_data()
    {
        QTest::addColumn<QList<bool>>("boxes");
        QTest::newRow("refracted rays and extensions") << QList<bool>{true, true, false, false, false};
        QTest::newRow("every part") << QList<bool>{true, true, true, true, true};
        QTest::newRow("reflected rays and normals") << QList<bool>{false, false, true, false, true};
    }

    void leftDragLeavesNoTraces()
    {
        QFETCH(QList<bool>, boxes);
        Form1 &f = *form;
        const QList<QCheckBox *> checks{f.Check3D1, f.Check3D2, f.Check3D3, f.Check3D4, f.Check3D5};
        for (int i = 0; i < checks.size(); ++i)
            checks[i]->setChecked(boxes[i]);
        storeRays(f, {-600, -100, 450});
        // Across fixed rays, through total reflection (hit near 800), ending
        // on a ray through the upper medium.
        const Path path{{200, 0}, {250, -100}, {-300, 300}, {800, 0}, {600, 100}, {-100, -600}};
        drag(f, Qt::LeftButton, path);
        QCOMPARE(f.RayCount, std::int16_t(4));
        QCOMPARE(pixelsOffRedraw(f), 0);

        // Mid-drag the field shows the fixed rays and the live ray through
        // the last aim point, nothing of the earlier live rays.
        QTest::mousePress(f.Picture1, Qt::LeftButton, {}, pixelOf(f, path.front()));
        for (const QPointF &s : path)
            moveHolding(f, Qt::LeftButton, s);
        const QImage midDrag = shown(f);
        f.Check3D1_Click();
        f.DrawLiveRay();
        QCOMPARE(midDrag, shown(f));
        QTest::mouseRelease(f.Picture1, Qt::LeftButton, {}, pixelOf(f, path.back()));
    }

    void rightDragMovesObject_data()
    {
        QTest::addColumn<Path>("path");
        QTest::newRow("stays below") << Path{{0, 500}, {0, 300}, {100, 300}};
        QTest::newRow("crosses to above") << Path{{0, 500}, {0, 200}, {0, -100}, {-100, -500}};
        QTest::newRow("above and back below") << Path{{0, 500}, {0, -500}, {-100, -300}, {100, 400}};
        QTest::newRow("just above the interface") << Path{{0, 500}, {0, 100}, {0, -30}};
    }

    void rightDragMovesObject()
    {
        QFETCH(Path, path);
        Form1 &f = *form;
        storeRays(f, {300});
        drag(f, Qt::RightButton, path);
        const QPointF end = sceneOf(f, path.back());
        QCOMPARE(f.ObjectX, float(end.x()));
        QCOMPARE(f.ObjectY, float(end.y()));
        const bool above = end.y() < 0;
        QCOMPARE(f.EffIndex, above ? 1.0 / 1.33f : double(1.33f));
        // Light from above is refracted downward, light from below upward.
        QCOMPARE(f.RefractedEnd.y > 0, above);
        const QImage img = shown(f);
        QVERIFY(blackNear(img, pixelOf(f, {f.ObjectX, f.ObjectY})));
        QVERIFY(whiteAround(img, pixelOf(f, {0, 500})));
        const QPointF refracted = onRefractedRay(f);
        QVERIFY(blackNear(img, pixelOf(f, refracted)));
        QVERIFY(whiteAround(img, pixelOf(f, {refracted.x(), -refracted.y()})));
    }

    void pointerShape_data()
    {
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<Qt::MouseButtons>("held");
        QTest::addColumn<int>("pointer");
        const Qt::MouseButtons none, left(Qt::LeftButton), right(Qt::RightButton);
        QTest::newRow("near P") << QPointF(40, -40) << none << 2;
        QTest::newRow("near on both axes, farther diagonally") << QPointF(85, -85) << none << 2;
        QTest::newRow("too far across") << QPointF(130, 0) << none << 1;
        QTest::newRow("near P, left button") << QPointF(40, -40) << left << 1;
        QTest::newRow("near P, right button") << QPointF(40, -40) << right << 2;
    }

    void pointerShape()
    {
        QFETCH(QPointF, offset);
        QFETCH(Qt::MouseButtons, held);
        QFETCH(int, pointer);
        Form1 &f = *form;
        const QPointF p(f.ObjectX, f.ObjectY);
        // Start from the other shape, so the move has to change it.
        moveHolding(f, Qt::NoButton, pointer == 2 ? p + QPointF(500, 0) : p);
        QCOMPARE(f.Picture1->mousePointer(), 3 - pointer);
        moveHolding(f, held, p + offset);
        QCOMPARE(f.Picture1->mousePointer(), pointer);
    }

    // Rays, point markers and eye markers dropped on the last free place of
    // their store, and on a full store, where they are refused.
    void storeLimit_data()
    {
        QTest::addColumn<char>("kind");
        QTest::addColumn<int>("stored");
        QTest::newRow("ray, last free place") << 'r' << raypath::kMaxRays - 1;
        QTest::newRow("ray, store full") << 'r' << raypath::kMaxRays;
        QTest::newRow("point, last free place") << 'p' << raypath::kMaxMarkers - 1;
        QTest::newRow("point, store full") << 'p' << raypath::kMaxMarkers;
        QTest::newRow("eye, last free place") << 'e' << raypath::kMaxMarkers - 1;
        QTest::newRow("eye, store full") << 'e' << raypath::kMaxMarkers;
    }

    void storeLimit()
    {
        QFETCH(char, kind);
        QFETCH(int, stored);
        Form1 &f = *form;
        const int limit = kind == 'r' ? raypath::kMaxRays : raypath::kMaxMarkers;
        float *xs = kind == 'r' ? f.RayHitX.data() : kind == 'e' ? f.EyeMarkX.data() : f.PointMarkX.data();
        float *ys = kind == 'e' ? f.EyeMarkY.data() : f.PointMarkY.data();
        std::int16_t &count = kind == 'r' ? f.RayCount : kind == 'e' ? f.EyeMarkCount : f.PointMarkCount;
        storeRays(f, {300});
        for (int i = 1; i <= stored; ++i) {
            xs[i] = kind == 'r' ? -990 + 20 * i : -950 + 90 * i;
            if (kind != 'r')
                ys[i] = 750;  // markers along the bottom, away from the drag
        }
        count = std::int16_t(stored);
        f.Check3D1_Click();
        std::vector<float> expected(xs, xs + limit + 1);
        const QPointF drop(550, -550);
        if (stored < limit)
            expected[limit] = float(kind == 'r' ? expectedHit(f, drop) : sceneOf(f, drop).x());
        if (kind != 'r')
            QTest::mouseClick(kind == 'e' ? f.Picture2 : f.Picture5, Qt::LeftButton);
        drag(f, Qt::LeftButton, {{400, -400}, {480, -480}, drop});
        QCOMPARE(int(count), limit);
        for (int i = 1; i <= limit; ++i)
            QVERIFY2(std::abs(xs[i] - expected[i]) < 0.01f, qPrintable(QString("entry %1").arg(i)));
        QCOMPARE(f.PointSymbolArmed + f.EyeSymbolArmed, 0);
        QCOMPARE(f.Picture2->borderStyle() + f.Picture5->borderStyle(), 0);
        // Nothing left where a symbol or live ray passed; a refused one is gone.
        QCOMPARE(pixelsOffRedraw(f), 0);
    }

    void clearButtons()
    {
        Form1 &f = *form;
        leftClick(f, {300, 0});
        leftClick(f, {-400, 0});
        placeMarker(f, f.Picture5, {-500, -500});
        placeMarker(f, f.Picture2, {500, -500});
        const QPoint object = pixelOf(f, {0, 500}), onRay = pixelOf(f, {150, 250});
        const QPoint mark = pixelOf(f, {-500, -500});
        const QPoint pupil = pixelOf(f, {470, -500});  // the eye looks at the point marker
        QImage img = shown(f);
        QVERIFY(blackNear(img, onRay) && blackNear(img, mark) && blackNear(img, pupil));

        f.Command1->click();
        QCOMPARE(f.RayCount, std::int16_t(0));
        img = shown(f);
        QVERIFY(whiteAround(img, onRay));
        QVERIFY(blackNear(img, object) && blackNear(img, mark) && blackNear(img, pupil));
        QVERIFY(blackNear(img, pixelOf(f, {-700, 0})));
        const double hit = expectedHit(f, {-200, 0});
        leftClick(f, {-200, 0});
        QCOMPARE(f.RayCount, std::int16_t(1));
        QVERIFY(std::abs(f.RayHitX[1] - hit) < 0.5);

        f.Command4->click();
        QCOMPARE(f.PointMarkCount, std::int16_t(0));
        QCOMPARE(f.EyeMarkCount, std::int16_t(0));
        img = shown(f);
        QVERIFY(whiteAround(img, mark));
        QVERIFY(whiteAround(img, pupil));
        QVERIFY(whiteAround(img, pixelOf(f, {500, -550})));  // on the eye's outline
    }

    void palette_data()
    {
        // Clicks on the palette: 'e' the eye (Picture2), 'p' the point (Picture5).
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("eyeArmed");
        QTest::addColumn<int>("pointArmed");
        QTest::newRow("eye") << "e" << 1 << 0;
        QTest::newRow("point") << "p" << 0 << 1;
        QTest::newRow("eye, then point") << "ep" << 0 << 1;
        QTest::newRow("eye twice") << "ee" << 0 << 0;
    }

    void palette()
    {
        QFETCH(QString, clicks);
        QFETCH(int, eyeArmed);
        QFETCH(int, pointArmed);
        Form1 &f = *form;
        for (QChar c : clicks)
            QTest::mouseClick(c == 'e' ? f.Picture2 : f.Picture5, Qt::LeftButton);
        QCOMPARE(int(f.EyeSymbolArmed), eyeArmed);
        QCOMPARE(int(f.PointSymbolArmed), pointArmed);
        QCOMPARE(f.Picture2->borderStyle(), eyeArmed);
        QCOMPARE(f.Picture5->borderStyle(), pointArmed);
        // A left click in the field places the armed symbol, or else fixes a ray.
        leftClick(f, {-300, -300});
        QCOMPARE(int(f.EyeMarkCount), eyeArmed);
        QCOMPARE(int(f.PointMarkCount), pointArmed);
        QCOMPARE(int(f.RayCount), eyeArmed || pointArmed ? 0 : 1);
    }

    void objectOnInterface()
    {
        Form1 &f = *form;
        storeRays(f, {-400, 300});
        const QPoint onRays[] = {pixelOf(f, {150, 250}), pixelOf(f, {-200, 250}),
                                 pixelOf(f, onRefractedRay(f))};
        QImage img = shown(f);
        for (QPoint p : onRays)
            QVERIFY(blackNear(img, p));

        f.Picture1_MouseDown(2, 0, 0);
        QCOMPARE(f.ObjectY, 0.0f);
        img = shown(f);
        for (QPoint p : onRays)
            QVERIFY(whiteAround(img, p));
        QVERIFY(blackNear(img, pixelOf(f, {0, 0}) - QPoint(0, 2)));  // P's dot, above the line
        QVERIFY(blackNear(img, pixelOf(f, {-700, 0})) && blackNear(img, pixelOf(f, {700, 0})));

        f.Picture1_MouseMove(2, 0, 500);
        img = shown(f);
        for (QPoint p : onRays)
            QVERIFY(blackNear(img, p));
    }

    // The field repaints only what changed: after every step of both views
    // the screen shows exactly the field's image.
    void screenShowsTheField()
    {
        Form1 &f = *form;
        auto check = [](QWidget &window, canvas::DrawingField &field, const char *step) {
            QVERIFY2(offScreen(window, field) == 0, step);
        };
        check(f, *f.Picture1, "first picture");
        f.Check3D3->click();
        f.Check3D5->click();
        check(f, *f.Picture1, "check boxes");
        for (float x : {-500.f, -150.f, 250.f, 600.f})
            leftClick(f, {x, 0});
        check(f, *f.Picture1, "fixed rays");
        QTest::mousePress(f.Picture1, Qt::LeftButton, {}, pixelOf(f, {100, 200}));
        for (const QPointF s : Path{{110, 190}, {300, -400}, {-700, 100}, {-690, 700}, {0, 200}}) {
            moveHolding(f, Qt::LeftButton, s);
            check(f, *f.Picture1, "live ray");
        }
        QTest::mouseRelease(f.Picture1, Qt::LeftButton, {}, pixelOf(f, {0, 200}));
        check(f, *f.Picture1, "live ray fixed");
        placeMarker(f, f.Picture5, {-300, 600});
        QTest::mouseClick(f.Picture2, Qt::LeftButton);
        QTest::mousePress(f.Picture1, Qt::LeftButton, {}, pixelOf(f, {400, -500}));
        moveHolding(f, Qt::LeftButton, {380, -520});
        check(f, *f.Picture1, "eye dragged");
        QTest::mouseRelease(f.Picture1, Qt::LeftButton, {}, pixelOf(f, {380, -520}));
        check(f, *f.Picture1, "markers");
        QTest::mousePress(f.Picture1, Qt::RightButton, {}, pixelOf(f, {0, 500}));
        for (const QPointF s : Path{{10, 300}, {20, -200}, {-100, -600}}) {
            moveHolding(f, Qt::RightButton, s);
            check(f, *f.Picture1, "P across the interface");
        }
        QTest::mouseRelease(f.Picture1, Qt::RightButton, {}, pixelOf(f, {-100, -600}));
        f.Command1->click();
        check(f, *f.Picture1, "rays cleared");

        imaging::ImagingWindow g;
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        check(g, *g.field, "imaging view");
        g.pressOnField(canvas::kLeftButton, 300, -500);
        g.dragOnField(canvas::kLeftButton, 200, -600);
        check(g, *g.field, "eye dragged");
        g.releaseOnField(canvas::kLeftButton, 200, -600);
        check(g, *g.field, "image point");
        g.pointRowsButton->click();
        g.gridBox->click();
        for (float x : {-300.f, 0.f, 300.f}) {
            g.pressOnField(canvas::kRightButton, x, 400);
            g.releaseOnField(canvas::kRightButton, x, 400);
        }
        check(g, *g.field, "row with grid");
        g.gridBox->click();
        check(g, *g.field, "grid off");
    }
};

QTEST_MAIN(TestForm1Interaction)
#include "test_form1_interaction.moc"
