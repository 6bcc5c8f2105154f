// The ray-path window worked with the mouse as a user works it, checked by
// the state the window keeps and the picture on its field.
#include "imaging/imaging_window.h"
#include "raypath/ray_path_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>
#include <cmath>
#include <memory>
#include <vector>

using raypath::MarkerSymbol;
using raypath::RayPathWindow;
using Path = std::vector<QPointF>;

Q_DECLARE_METATYPE(Path)

namespace {

// The rows name pointer shapes by number: 1 arrow, 2 cross, 12 no-drop sign.
canvas::Pointer shape(int code)
{
    return code == 2 ? canvas::Pointer::Cross : code == 12 ? canvas::Pointer::NoDrop : canvas::Pointer::Arrow;
}

QPoint pixelOf(const RayPathWindow &f, QPointF s) { return f.field->toPixel(s.x(), s.y()); }
// The scene point the field reports for the pixel under s.
QPointF sceneOf(const RayPathWindow &f, QPointF s) { return f.field->toScene(QPointF(pixelOf(f, s))); }

void moveHolding(RayPathWindow &f, Qt::MouseButtons held, QPointF s)
{
    const QPoint p = pixelOf(f, s);
    QMouseEvent ev(QEvent::MouseMove, p, f.field->mapToGlobal(p), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(f.field, &ev);
}

// Press at the first point, move through all of them, let go at the last.
void drag(RayPathWindow &f, Qt::MouseButton b, const Path &path)
{
    QTest::mousePress(f.field, b, {}, pixelOf(f, path.front()));
    for (const QPointF &s : path)
        moveHolding(f, b, s);
    QTest::mouseRelease(f.field, b, {}, pixelOf(f, path.back()));
}

void leftClick(RayPathWindow &f, QPointF s) { drag(f, Qt::LeftButton, {s}); }

// Arms a palette symbol with a real click on its box and drops it at s.
void placeMarker(RayPathWindow &f, QWidget *symbolBox, QPointF s)
{
    QTest::mouseClick(symbolBox, Qt::LeftButton);
    leftClick(f, s);
}

// Where the line from P through the pixel under s meets the interface.
double expectedHit(const RayPathWindow &f, QPointF s)
{
    const QPointF a = sceneOf(f, s);
    const raypath::Point p = f.scene().objectPoint();
    return p.x + (a.x() - p.x) * (0.0 - p.y) / (a.y() - p.y);
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

QImage shown(RayPathWindow &f) { return f.field->image().copy(); }

// Pixels in which the field differs from a complete redraw (what ticking a
// check box shows).
int pixelsOffRedraw(RayPathWindow &f)
{
    const QImage before = shown(f);
    f.scene().redraw();
    const QImage after = shown(f);
    int n = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            n += before.pixel(x, y) != after.pixel(x, y);
    return n;
}

void storeRays(RayPathWindow &f, const std::vector<float> &hits)
{
    for (float x : hits)
        f.scene().fixRayAt(x);
    f.scene().redraw();
}

// A point 300 units along the refracted part of the ray drawn last.
QPointF onRefractedRay(const RayPathWindow &f)
{
    const raypath::DrawnRay &ray = f.scene().lastRay();
    const QPointF hit(ray.hitX, 0);
    const QPointF d = QPointF(ray.refractedEnd.x, ray.refractedEnd.y) - hit;
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

class TestRayPathInteraction : public QObject
{
    Q_OBJECT

    std::unique_ptr<RayPathWindow> form;

private slots:
    void init()
    {
        form = std::make_unique<RayPathWindow>();
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
        RayPathWindow &f = *form;
        storeRays(f, {-700});
        // P where the field reports the pixel under (0, 500): aims in that
        // pixel's row or column are then exactly level with or above P.
        drag(f, Qt::RightButton, {{0, 500}});
        const double hit = expectedHit(f, aim);
        leftClick(f, aim);
        QCOMPARE(f.scene().rayHits().size(), size_t(fixes ? 2 : 1));
        if (!fixes)
            return;
        const float fixed = f.scene().rayHits()[1];
        QVERIFY2(std::abs(fixed - hit) < 0.5,
                 qPrintable(QString("fixed at %1, expected %2").arg(fixed).arg(hit)));
        // The incident ray stays on the field, half way down to the interface.
        const raypath::Point p = f.scene().objectPoint();
        QVERIFY(blackNear(shown(f), pixelOf(f, {(p.x + hit) / 2, p.y / 2})));
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
        RayPathWindow &f = *form;
        const QList<QCheckBox *> checks{f.refractedBox, f.refractedExtensionBox, f.reflectedBox,
                                        f.reflectedExtensionBox, f.normalsBox};
        for (int i = 0; i < checks.size(); ++i)
            checks[i]->setChecked(boxes[i]);
        storeRays(f, {-600, -100, 450});
        // Across fixed rays, through total reflection (hit near 800), ending
        // on a ray through the upper medium.
        const Path path{{200, 0}, {250, -100}, {-300, 300}, {800, 0}, {600, 100}, {-100, -600}};
        drag(f, Qt::LeftButton, path);
        QCOMPARE(f.scene().rayHits().size(), size_t(4));
        QCOMPARE(pixelsOffRedraw(f), 0);

        // Mid-drag the field shows the fixed rays and the live ray through
        // the last aim point, nothing of the earlier live rays.
        QTest::mousePress(f.field, Qt::LeftButton, {}, pixelOf(f, path.front()));
        for (const QPointF &s : path)
            moveHolding(f, Qt::LeftButton, s);
        const QImage midDrag = shown(f);
        f.scene().redraw();
        f.scene().drawLiveRay();
        QCOMPARE(midDrag, shown(f));
        QTest::mouseRelease(f.field, Qt::LeftButton, {}, pixelOf(f, path.back()));
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
        RayPathWindow &f = *form;
        storeRays(f, {300});
        drag(f, Qt::RightButton, path);
        const QPointF end = sceneOf(f, path.back());
        const raypath::Point p = f.scene().objectPoint();
        QCOMPARE(p.x, float(end.x()));
        QCOMPARE(p.y, float(end.y()));
        const bool above = end.y() < 0;
        QCOMPARE(f.scene().effectiveIndex(), above ? 1.0 / 1.33f : double(1.33f));
        // Light from above is refracted downward, light from below upward.
        QCOMPARE(f.scene().lastRay().refractedEnd.y > 0, above);
        const QImage img = shown(f);
        QVERIFY(blackNear(img, pixelOf(f, {p.x, p.y})));
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
        RayPathWindow &f = *form;
        const QPointF p(f.scene().objectPoint().x, f.scene().objectPoint().y);
        // Start from the other shape, so the move has to change it.
        moveHolding(f, Qt::NoButton, pointer == 2 ? p + QPointF(500, 0) : p);
        QCOMPARE(f.field->pointer(), shape(3 - pointer));
        moveHolding(f, held, p + offset);
        QCOMPARE(f.field->pointer(), shape(pointer));
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
        RayPathWindow &f = *form;
        const int limit = kind == 'r' ? raypath::kMaxRays : raypath::kMaxMarkers;
        raypath::RayPathScene &scene = f.scene();
        // The x of every entry of the store the drop goes to.
        const auto storedXs = [&] {
            std::vector<float> xs = kind == 'r' ? scene.rayHits() : std::vector<float>{};
            if (kind != 'r')
                for (const raypath::Point &m : kind == 'e' ? scene.eyeMarkers() : scene.pointMarkers())
                    xs.push_back(m.x);
            return xs;
        };
        if (kind != 'r')
            scene.fixRayAt(300);
        for (int i = 1; i <= stored; ++i) {
            // Markers along the bottom, away from the drag.
            if (kind == 'r')
                scene.fixRayAt(-990.f + 20 * i);
            else if (kind == 'e')
                scene.addEyeMarker({-950.f + 90 * i, 750});
            else
                scene.addPointMarker({-950.f + 90 * i, 750});
        }
        scene.redraw();
        std::vector<float> expected = storedXs();
        const QPointF drop(550, -550);
        if (stored < limit)
            expected.push_back(float(kind == 'r' ? expectedHit(f, drop) : sceneOf(f, drop).x()));
        if (kind != 'r')
            QTest::mouseClick(kind == 'e' ? f.eyeSymbolBox : f.pointSymbolBox, Qt::LeftButton);
        drag(f, Qt::LeftButton, {{400, -400}, {480, -480}, drop});
        const std::vector<float> xs = storedXs();
        QCOMPARE(int(xs.size()), limit);
        for (int i = 0; i < limit; ++i)
            QVERIFY2(std::abs(xs[i] - expected[i]) < 0.01f, qPrintable(QString("entry %1").arg(i)));
        QCOMPARE(scene.armedSymbol(), MarkerSymbol::None);
        QCOMPARE(f.eyeSymbolBox->isFramed() + f.pointSymbolBox->isFramed(), 0);
        // Nothing left where a symbol or live ray passed; a refused one is gone.
        QCOMPARE(pixelsOffRedraw(f), 0);
    }

    void clearButtons()
    {
        RayPathWindow &f = *form;
        leftClick(f, {300, 0});
        leftClick(f, {-400, 0});
        placeMarker(f, f.pointSymbolBox, {-500, -500});
        placeMarker(f, f.eyeSymbolBox, {500, -500});
        const QPoint object = pixelOf(f, {0, 500}), onRay = pixelOf(f, {150, 250});
        const QPoint mark = pixelOf(f, {-500, -500});
        const QPoint pupil = pixelOf(f, {470, -500});  // the eye looks at the point marker
        QImage img = shown(f);
        QVERIFY(blackNear(img, onRay) && blackNear(img, mark) && blackNear(img, pupil));

        f.clearRaysButton->click();
        QVERIFY(f.scene().rayHits().empty());
        img = shown(f);
        QVERIFY(whiteAround(img, onRay));
        QVERIFY(blackNear(img, object) && blackNear(img, mark) && blackNear(img, pupil));
        QVERIFY(blackNear(img, pixelOf(f, {-700, 0})));
        const double hit = expectedHit(f, {-200, 0});
        leftClick(f, {-200, 0});
        QCOMPARE(f.scene().rayHits().size(), size_t(1));
        QVERIFY(std::abs(f.scene().rayHits()[0] - hit) < 0.5);

        f.clearMarkersButton->click();
        QVERIFY(f.scene().pointMarkers().empty());
        QVERIFY(f.scene().eyeMarkers().empty());
        img = shown(f);
        QVERIFY(whiteAround(img, mark));
        QVERIFY(whiteAround(img, pupil));
        QVERIFY(whiteAround(img, pixelOf(f, {500, -550})));  // on the eye's outline
    }

    void palette_data()
    {
        // Clicks on the palette: 'e' the eye, 'p' the point.
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
        RayPathWindow &f = *form;
        for (QChar c : clicks)
            QTest::mouseClick(c == 'e' ? f.eyeSymbolBox : f.pointSymbolBox, Qt::LeftButton);
        const MarkerSymbol armed = f.scene().armedSymbol();
        QCOMPARE(int(armed == MarkerSymbol::Eye), eyeArmed);
        QCOMPARE(int(armed == MarkerSymbol::Point), pointArmed);
        QCOMPARE(f.eyeSymbolBox->isFramed(), eyeArmed);
        QCOMPARE(f.pointSymbolBox->isFramed(), pointArmed);
        // A left click in the field places the armed symbol, or else fixes a ray.
        leftClick(f, {-300, -300});
        QCOMPARE(int(f.scene().eyeMarkers().size()), eyeArmed);
        QCOMPARE(int(f.scene().pointMarkers().size()), pointArmed);
        QCOMPARE(int(f.scene().rayHits().size()), eyeArmed || pointArmed ? 0 : 1);
    }

    void objectOnInterface()
    {
        RayPathWindow &f = *form;
        storeRays(f, {-400, 300});
        const QPoint onRays[] = {pixelOf(f, {150, 250}), pixelOf(f, {-200, 250}),
                                 pixelOf(f, onRefractedRay(f))};
        QImage img = shown(f);
        for (QPoint p : onRays)
            QVERIFY(blackNear(img, p));

        f.scene().press(raypath::MouseButton::Right, 0, 0);
        QCOMPARE(f.scene().objectPoint().y, 0.0f);
        img = shown(f);
        for (QPoint p : onRays)
            QVERIFY(whiteAround(img, p));
        QVERIFY(blackNear(img, pixelOf(f, {0, 0}) - QPoint(0, 2)));  // P's dot, above the line
        QVERIFY(blackNear(img, pixelOf(f, {-700, 0})) && blackNear(img, pixelOf(f, {700, 0})));

        f.scene().move(raypath::MouseButton::Right, 0, 500);
        img = shown(f);
        for (QPoint p : onRays)
            QVERIFY(blackNear(img, p));
    }

    // The field repaints only what changed: after every step of both views
    // the screen shows exactly the field's image.
    void screenShowsTheField()
    {
        RayPathWindow &f = *form;
        auto check = [](QWidget &window, canvas::DrawingField &field, const char *step) {
            QVERIFY2(offScreen(window, field) == 0, step);
        };
        check(f, *f.field, "first picture");
        f.reflectedBox->click();
        f.normalsBox->click();
        check(f, *f.field, "check boxes");
        for (float x : {-500.f, -150.f, 250.f, 600.f})
            leftClick(f, {x, 0});
        check(f, *f.field, "fixed rays");
        QTest::mousePress(f.field, Qt::LeftButton, {}, pixelOf(f, {100, 200}));
        for (const QPointF s : Path{{110, 190}, {300, -400}, {-700, 100}, {-690, 700}, {0, 200}}) {
            moveHolding(f, Qt::LeftButton, s);
            check(f, *f.field, "live ray");
        }
        QTest::mouseRelease(f.field, Qt::LeftButton, {}, pixelOf(f, {0, 200}));
        check(f, *f.field, "live ray fixed");
        placeMarker(f, f.pointSymbolBox, {-300, 600});
        QTest::mouseClick(f.eyeSymbolBox, Qt::LeftButton);
        QTest::mousePress(f.field, Qt::LeftButton, {}, pixelOf(f, {400, -500}));
        moveHolding(f, Qt::LeftButton, {380, -520});
        check(f, *f.field, "eye dragged");
        QTest::mouseRelease(f.field, Qt::LeftButton, {}, pixelOf(f, {380, -520}));
        check(f, *f.field, "markers");
        QTest::mousePress(f.field, Qt::RightButton, {}, pixelOf(f, {0, 500}));
        for (const QPointF s : Path{{10, 300}, {20, -200}, {-100, -600}}) {
            moveHolding(f, Qt::RightButton, s);
            check(f, *f.field, "P across the interface");
        }
        QTest::mouseRelease(f.field, Qt::RightButton, {}, pixelOf(f, {-100, -600}));
        f.clearRaysButton->click();
        check(f, *f.field, "rays cleared");

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

QTEST_MAIN(TestRayPathInteraction)
#include "test_ray_path_interaction.moc"
