// The ray-path window worked as a user works it, checked by the picture on
// its field and the rays and markers it keeps.
#include "control.h"
#include "probes.h"
#include "raypath/ray_path_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>

using namespace raypath;

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);

// The ink of most pixels within 6 of a point, dotted where few of them are (a solid line
// crosses the box whole); Unseen is what a row does not look at.
enum class Ink { None, Black, BlackDots, Grey, GreyDots, Red, RedDots, Unseen };

Ink seen(const QImage &img, QPoint c)
{
    const std::pair<QRgb, Ink> inks[] = {
        {kBlack, Ink::Black}, {qRgb(100, 100, 100), Ink::Grey}, {qRgb(255, 0, 0), Ink::Red}};
    int most = 0;
    Ink ink = Ink::None;
    for (const auto &[colour, solid] : inks)
        if (const int n = colourAround(img, c, colour, 6); n > most) {
            most = n;
            ink = n >= 11 ? solid : Ink(int(solid) + 1);
        }
    return ink;
}

// A ray fixed through (hitX, 0) and the boxes ticked; what shows 200 units along each way.
struct RayPartsRow {
    RayParts boxes{true, true, true, true, true};
    QPointF object{0, 500};
    double hitX = 0;
    Ink refracted = Ink::None, refractedBack = Ink::None, reflected = Ink::None,
        reflectedBack = Ink::None, normal = Ink::None;
};

// By the laws of refraction and reflection, where a ray from P through (hitX, 0)
// goes on: refracted, back along it, reflected, back along that, and a short way
// along the normal (straight on under total reflection).
QList<QPointF> rayDirections(QPointF p, double hitX, double n)
{
    const QPointF in = (QPointF(hitX, 0) - p) / std::hypot(hitX - p.x(), p.y());
    const double sinB = (p.y() > 0 ? n : 1 / n) * std::abs(in.x()), up = in.y() < 0 ? -1 : 1;
    const double cosB = std::sqrt(std::max(0.0, 1 - sinB * sinB));
    const QPointF refracted(sinB < 1 ? std::copysign(sinB, in.x()) : 0, sinB < 1 ? up * cosB : up);
    const QPointF reflected(in.x(), -in.y());
    return {refracted, -refracted, reflected, -reflected, QPointF(0, 0.3 * up)};
}

// A finger or a pen on the field along a path, and what it leaves: where P is (nullopt: on
// the field's lower edge), the rays and markers kept.
struct TouchRow {
    enum How { Finger, SecondFinger, Cancelled, DoubleTap, PenTip, PenBarrel, Eraser } how;
    bool armed = false;
    Path path;
    std::optional<QPointF> p = QPointF(0, 500);
    size_t rays = 0, markers = 0;
};

}  // namespace

Q_DECLARE_METATYPE(RayPartsRow)
Q_DECLARE_METATYPE(TouchRow)
using Clicks = std::function<void(canvas::DrawingField &)>;
Q_DECLARE_METATYPE(Clicks)

class TestRayPath : public QObject
{
    Q_OBJECT

    std::unique_ptr<RayPathWindow> form;
    RayPathScene &scene() { return form->scene(); }
    canvas::DrawingField &field() { return *control<canvas::DrawingField>(*form, "field"); }
    QCheckBox *box(const char *name) { return control<QCheckBox>(*form, name); }
    QPushButton *button(const char *name) { return control<QPushButton>(*form, name); }
    ui::SymbolButton *palette(const char *name) { return control<ui::SymbolButton>(*form, name); }
    QImage shown() { return field().image().copy(); }
    // Whether a box shows a frame `in` px inside: 0 that of the checked, 2 the dotted focus ring.
    static bool framed(QWidget *b, int in = 0)
    {
        const QImage img = b->grab().toImage();  // the checked frame on the very edge
        return img.pixel(in + 1, in) == kBlack && (in || img.pixel(0, img.height() / 2) == kBlack);
    }
    bool asRedrawn()
    {
        const QImage before = shown();
        scene().redraw();
        return before == shown();
    }

private slots:
    void init()
    {
        form = std::make_unique<RayPathWindow>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        // the first picture: the interface and P
        QVERIFY(colourAt(field(), {-900, 0}, kBlack) > 0);
        QVERIFY(colourAt(field(), {0, 500}, kBlack) > 0);
    }

    // The check boxes and a fixed ray at n = 1.7, seen 200 units along each way ('?': unseen).
    void rayParts_data()
    {
        QTest::addColumn<RayPartsRow>("r");
        using enum Ink;
        const auto row = [](const char *name, RayPartsRow r) { QTest::newRow(name) << r; };
        const RayPartsRow every{.hitX = 300, .refracted = Black, .refractedBack = BlackDots,
                                .reflected = Grey, .reflectedBack = BlackDots, .normal = Red};
        row("every part", every);
        RayPartsRow above = every;
        above.object = {-200, -500};
        above.hitX = 250;
        row("P above, aside", above);
        row("reflected back alone",
            {.boxes = {.refracted = false, .refractedExtension = false,
                       .reflectedExtension = true},
             .hitX = -300, .reflectedBack = BlackDots});
        // The critical angle arcsin(1 / 1.7) is met at 500 tan 36.03 = 363.8.
        row("within critical angle",
            {.boxes = {.refracted = false, .refractedExtension = false, .reflected = true},
             .hitX = 362.5, .refracted = Unseen, .refractedBack = Unseen, .reflected = Grey});
        row("total reflection",
            {.hitX = 365, .reflected = Black, .reflectedBack = BlackDots, .normal = Red});
    }
    void rayParts()
    {
        QFETCH(RayPartsRow, r);
        const RayParts &b = r.boxes;
        for (auto [name, ticked] : {std::pair{"refractedBox", b.refracted},
                                    {"refractedExtensionBox", b.refractedExtension},
                                    {"reflectedBox", b.reflected},
                                    {"reflectedExtensionBox", b.reflectedExtension},
                                    {"normalsBox", b.normals}})
            box(name)->setChecked(ticked);
        scene().fixRayAt(float(r.hitX));
        scene().moveObject({float(r.object.x()), float(r.object.y())});
        scene().setIndex(1.7f);  // the ray bends anew
        const QList<QPointF> ways = rayDirections(r.object, r.hitX, 1.7);
        const QList<Ink> want{r.refracted, r.refractedBack, r.reflected, r.reflectedBack,
                              r.normal};
        for (int i = 0; i < ways.size(); ++i)
            if (want[i] != Ink::Unseen)
                QCOMPARE(seen(shown(), pixelOf(field(), QPointF(r.hitX, 0) + 200 * ways[i])),
                         want[i]);
        const QPointF incident = (r.object + QPointF(r.hitX, 0)) / 2;
        QCOMPARE(seen(shown(), pixelOf(field(), incident)), Ink::Black);
    }

    // P dragged: the fixed ray turns with it; the pointer is a crosshair near P.
    void objectDragged_data()
    {
        QTest::addColumn<Path>("path");
        QTest::newRow("crosses to above") << Path{{0, 500}, {0, 200}, {0, -100}, {-100, -500}};
        QTest::newRow("onto the interface") << Path{{0, 500}, {0, 0}};
    }
    void objectDragged()
    {
        QFETCH(Path, path);
        scene().fixRayAt(300);
        drag(field(), Qt::RightButton, path);
        QVERIFY(showsImage(field()));
        const QPointF p(scene().objectPoint().x, scene().objectPoint().y);
        QVERIFY(QLineF(p, field().toScene(pixelOf(field(), path.back()))).length() < 0.01);
        QCOMPARE(colourAt(field(), p, kBlack), kWholeBox);
        QCOMPARE(colourAt(field(), {0, 500}, kBlack), p == QPointF(0, 500) ? kWholeBox : 0);
        const QPointF onRefracted = QPointF(300, 0) + 200 * rayDirections(p, 300, 1.33)[0];
        const Ink refracted = seen(shown(), pixelOf(field(), onRefracted));
        QCOMPARE(refracted, p.y() == 0 ? Ink::None : Ink::Black);
        if (path.back() == QPointF(0, 0)) {  // on the line itself, seen from below:
            scene().moveObject({0, 0});           // a live ray up-left at 45° leaves at 70°
            QTest::mousePress(&field(), Qt::LeftButton, {}, pixelOf(field(), {200, 200}));
            const double b = std::asin(1.33 * std::sqrt(0.5));  // and 32° were it 1 / n
            const double c = std::asin(std::sqrt(0.5) / 1.33);
            QCOMPARE(seen(shown(), pixelOf(field(), -200 * QPointF(std::sin(b), std::cos(b)))),
                     Ink::Black);
            QCOMPARE(seen(shown(), pixelOf(field(), -200 * QPointF(std::sin(c), std::cos(c)))),
                     Ink::None);
            QTest::mouseRelease(&field(), Qt::LeftButton, {}, pixelOf(field(), {200, 200}));
        }
        for (auto [offset, held, cross] : {std::tuple{QPointF(85, -85), Qt::NoButton, true},
                                           {QPointF(105, 0), Qt::NoButton, false},
                                           {QPointF(40, -40), Qt::LeftButton, false},
                                           {QPointF(40, -40), Qt::RightButton, true}}) {
            moveHolding(field(), held, p + offset);
            QCOMPARE(field().pointer(), cross ? canvas::Pointer::Cross : canvas::Pointer::Arrow);
        }
    }

    // A finger or a pen tip on P, within its square of 100 units each way, drags P; elsewhere
    // it draws a ray, and with a symbol armed it places it. One finger acts at a time, a
    // cancel ends the gesture as a lift, a double tap is one tap (two quick ones apart are
    // two), and P stops at the field's edge. The pen's barrel button is the right button;
    // its eraser end does nothing.
    void touch_data()
    {
        QTest::addColumn<TouchRow>("r");
        using enum TouchRow::How;
        const auto row = [](const char *name, TouchRow r) { QTest::newRow(name) << r; };
        const Path fromP{{0, 500}, {200, 300}};
        row("finger on P", {.how = Finger, .path = fromP, .p = QPointF(200, 300)});
        row("finger in P's square",
            {.how = Finger, .path = {{90, 590}, {-200, 300}}, .p = QPointF(-200, 300)});
        row("finger beside it: a ray", {.how = Finger, .path = {{110, 500}, {300, 200}}, .rays = 1});
        row("finger on P, a symbol armed", {.how = Finger, .armed = true, .path = {{30, 520}},
                                            .markers = 1});
        row("finger past the field's edge", {.how = Finger, .path = {{0, 500}, {0, 3000}},
                                             .p = std::nullopt});
        row("a second finger", {.how = SecondFinger, .path = fromP, .p = QPointF(200, 300)});
        row("cancelled: a ray", {.how = Cancelled, .path = {{110, 500}, {300, 200}}, .rays = 1});
        row("double tap: one ray", {.how = DoubleTap, .path = {{300, 200}}, .rays = 1});
        row("quick taps apart: two rays",
            {.how = DoubleTap, .path = {{300, 200}, {-300, 200}}, .rays = 2});
        row("pen tip on P", {.how = PenTip, .path = fromP, .p = QPointF(200, 300)});
        row("pen barrel beside P",
            {.how = PenBarrel, .path = {{300, 200}, {400, 300}}, .p = QPointF(400, 300)});
        row("eraser", {.how = Eraser, .path = fromP});
    }
    void touch()
    {
        QFETCH(TouchRow, r);
        using enum TouchRow::How;
        using enum canvas::FieldEvent::Phase;
        if (r.armed)
            QTest::mouseClick(palette("pointSymbolBox"), Qt::LeftButton);
        if (r.how >= PenTip) {
            penDrag(field(), r.how == PenTip ? PenEnd::Tip : r.how == PenBarrel ? PenEnd::Barrel
                                                                                : PenEnd::Eraser,
                    r.path);
        } else {
            finger(field(), Press, r.path.front());
            for (const QPointF &s : r.path.mid(1))
                finger(field(), Move, s);
            if (r.how == SecondFinger) {  // down, moved and lifted while the first is down
                finger(field(), Press, {-500, -500}, 1);
                finger(field(), Move, {-600, 700}, 1);
                finger(field(), Release, {-600, 700}, 1);
            }
            r.how == Cancelled ? cancelTouch(field()) : finger(field(), Release, r.path.back());
            if (r.how == DoubleTap) {  // a second tap where the first was let go
                finger(field(), Press, r.path.back());
                finger(field(), Release, r.path.back());
            }
        }
        const QPointF p = qp(scene().objectPoint());
        if (r.p)  // a finger lands on a pixel, about 3 units here
            QVERIFY2(QLineF(p, *r.p).length() < 4, qPrintable(QDebug::toString(p)));
        else
            QCOMPARE(pixelOf(field(), p).y(), field().height() - 1);
        QCOMPARE(scene().rayHits().size(), r.rays);
        QCOMPARE(scene().pointMarkers().size(), r.markers);
    }

    // 20 point markers and 19 eyes: an eye dragged in over the interface takes the last free
    // place and leaves the line as it was; with 100 rays
    // too, an eye, a point and a ray dragged in are refused and the picture stays as it was.
    void storeLimits()
    {
        for (int i = 1; i <= 20; ++i) {
            scene().addPointMarker({-950.f + 90 * i, 750});
            if (i < 20)
                scene().addEyeMarker({-950.f + 90 * i, 850});
        }
        scene().redraw();
        const QPointF drop(550, -550);
        const Path symbolPath{{400, 40}, {480, -30}, drop};  // over the interface
        ui::SymbolButton *eyeBox = palette("eyeSymbolBox"), *pointBox = palette("pointSymbolBox");
        const QImage eye = eyeBox->symbolImage(), point = pointBox->symbolImage();
        QVERIFY(colourAround(eye, {eye.width() / 2, eye.height() / 4}, kBlack, 2) > 0);  // its eye
        int left = 0, right = 0;  // the pupil looks to the left
        for (int x = 0; x < eye.width(); ++x)
            (x < eye.width() / 2 ? left : right) += eye.pixel(x, eye.height() / 2) == kBlack;
        QVERIFY(left > right + 3);
        QVERIFY(colourAround(point, point.rect().center(), kBlack) > 0);  // and point
        QScrollBar *bar = control<QScrollBar>(*form, "indexBar");
        bar->setFocus();
        QTest::mouseClick(eyeBox, Qt::LeftButton);
        QTest::keyClick(bar, Qt::Key_Tab);  // the click left the focus on the bar
        QVERIFY(eyeBox->hasFocus());
        QVERIFY(framed(eyeBox, 2));  // the dotted ring
        drag(field(), Qt::LeftButton, symbolPath);
        QVERIFY(colourAt(field(), drop + QPointF(50, 0), kBlack) > 0);  // the new eye
        QVERIFY(asRedrawn());  // and the line it was dragged over still whole
        for (QCheckBox *c : {box("reflectedBox"), box("reflectedExtensionBox"), box("normalsBox")})
            c->setChecked(true);
        for (int i = 1; i <= 100; ++i)
            scene().fixRayAt(-990.f + 20 * i);
        scene().redraw();
        const QImage full = shown();
        const QList<ui::SymbolButton *> boxes{eyeBox, pointBox, {}};
        for (ui::SymbolButton *box : boxes) {  // the last drag a ray's
            if (box)
                QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(framed(eyeBox), box == eyeBox);
            QCOMPARE(framed(pointBox), box == pointBox);
            drag(field(), Qt::LeftButton,
                 box ? symbolPath : Path{{400, -400}, {800, 0}, {-300, 300}, drop});
            QCOMPARE(shown(), full);
            QVERIFY(asRedrawn());
        }
        QCOMPARE(scene().rayHits().size(), size_t(100));
        QCOMPARE(scene().pointMarkers().size() + scene().eyeMarkers().size(), size_t(40));
    }

    // Clicks on the field (left button): a click fixes a ray, one level with P none, a double
    // click one, and so does a double click dragged on, where it is let go; two quick clicks
    // apart fix two. The hits to the nearest 10: a pixel is about 3 units here.
    void clicks_data()
    {
        QTest::addColumn<Clicks>("clicks");
        QTest::addColumn<QList<int>>("hits");
        using F = canvas::DrawingField;
        QTest::newRow("click") << Clicks([](F &f) { click(f, Qt::LeftButton, {300, 0}); })
                               << QList<int>{300};
        QTest::newRow("level with P: none")
            << Clicks([](F &f) { click(f, Qt::LeftButton, {600, 500}); }) << QList<int>{};
        QTest::newRow("double click: one")
            << Clicks([](F &f) { doubleClick(f, Qt::LeftButton, {300, 0}); })
            << QList<int>{300};
        QTest::newRow("two quick clicks apart: two") << Clicks([](F &f) {
            doubleClick(f, Qt::LeftButton, {-400, 0}, QPointF(-200, 0));
        }) << QList<int>{-400, -200};
        QTest::newRow("double click dragged on") << Clicks([](F &f) {
            click(f, Qt::LeftButton, {-200, 0});
            QTest::mouseDClick(&f, Qt::LeftButton, {}, pixelOf(f, {-200, 0}));
            moveHolding(f, Qt::LeftButton, {100, 0});
            QTest::mouseRelease(&f, Qt::LeftButton, {}, pixelOf(f, {100, 0}));
        }) << QList<int>{-200, 100};
    }
    void clicks()
    {
        QFETCH(Clicks, clicks);
        QFETCH(QList<int>, hits);
        clicks(field());
        QList<int> found;
        for (float x : scene().rayHits())
            found << qRound(x / 10) * 10;
        QCOMPARE(found, hits);
        QVERIFY(asRedrawn());
    }

    // An eye double-clicked in looks at (0, 0), a later one at the point marker placed last
    // before it. Markers are drawn over the picture as it is, and drawn anew each eye still
    // looks where it looked when it was placed.
    void eyesKeepTheirLook()
    {
        const QPointF first(-300, -500), eye(300, -700), mark(-500, -500);
        doubleClick(*palette("eyeSymbolBox"), Qt::LeftButton, {5, 5});
        QVERIFY(framed(palette("eyeSymbolBox")));
        doubleClick(field(), Qt::LeftButton, first);
        QCOMPARE(scene().eyeMarkers().size(), size_t(1));
        QCOMPARE(scene().rayHits().size(), size_t(0));
        QCOMPARE(colourAt(field(), pupil(first, {0, 0}), kBlack), kWholeBox);
        for (auto [p, key] : {std::pair{QPointF(700, -400), Qt::Key_Space},  // the point box,
                              {QPointF(700, 400), Qt::Key_Return}, {mark, Qt::Key_Enter}}) {
            QTest::mouseClick(palette("eyeSymbolBox"), Qt::LeftButton);
            QTest::keyClick(palette("pointSymbolBox"), key);  // by key, disarms the eye's
            click(field(), Qt::LeftButton, p);
        }
        QCOMPARE(scene().pointMarkers().size(), size_t(3));
        click(field(), Qt::LeftButton, {500, 0});  // a ray: the first eye keeps its one pupil
        QCOMPARE(colourAt(field(), pupil(first, {0, 0}), kBlack), kWholeBox);
        QCOMPARE(colourAt(field(), pupil(first, mark), kBlack), 0);
        QTest::mouseClick(palette("eyeSymbolBox"), Qt::LeftButton);
        click(field(), Qt::LeftButton, eye);
        QCOMPARE(colourAt(field(), pupil(eye, mark), kBlack), kWholeBox);
        box("reflectedExtensionBox")->click();
        QCOMPARE(colourAt(field(), pupil(first, {0, 0}), kBlack), kWholeBox);
        QCOMPARE(colourAt(field(), pupil(first, mark), kBlack), 0);
        QCOMPARE(colourAt(field(), pupil(eye, mark), kBlack), kWholeBox);
        QVERIFY(asRedrawn());
    }

    // A live ray dragged over the markers: the screen shows the field after every move, and
    // the field the redrawn scene with the live ray on top, a pixel wide. "Strahlen löschen"
    // then keeps P, the line and the markers; "Markierungen löschen" P and the line.
    void liveRayAndClearButtons()
    {
        const QPointF mark(-500, -500), eye(300, -700), object(0, 500), line(-700, 0);
        scene().addPointMarker({-500, -500});
        scene().addEyeMarker({300, -700});
        box("reflectedBox")->click();
        QTest::mousePress(&field(), Qt::LeftButton, {}, pixelOf(field(), {100, 200}));
        for (QPointF s : Path{{110, 190}, {300, -400}, {-700, 100}, {-150, 200}}) {
            moveHolding(field(), Qt::LeftButton, s);
            QVERIFY(showsImage(field()));
            if (s.x() == 300)  // the live ray's reflection, through (166.7, 0), in its light grey
                QVERIFY(colourAt(field(), {230, 190}, qRgb(200, 200, 200)) > 0);
        }
        const QPointF onRay(-75, 350);  // on the live ray, steep
        const QPoint on = pixelOf(field(), onRay);
        int across = 0;
        for (int dx = -4; dx <= 4; ++dx)
            across += field().image().pixel(on + QPoint(dx, 0)) == kBlack;
        QCOMPARE(across, 1);
        const QImage dragged = shown();
        scene().redraw();
        const QPointF aim = field().toScene(pixelOf(field(), {-150, 200}));
        scene().drawLiveRay({float(aim.x()), float(aim.y())});
        QCOMPARE(shown(), dragged);
        QTest::mouseRelease(&field(), Qt::LeftButton, {}, pixelOf(field(), {-150, 200}));
        QVERIFY(colourAt(field(), onRay, kBlack) > 0);
        button("clearRaysButton")->click();
        QVERIFY(scene().rayHits().empty());
        QCOMPARE(colourAt(field(), onRay, kBlack), 0);
        for (QPointF kept : {mark, pupil(eye, mark), object, line})
            QVERIFY(colourAt(field(), kept, kBlack) > 0);
        button("clearMarkersButton")->click();
        QVERIFY(scene().pointMarkers().empty());
        QVERIFY(scene().eyeMarkers().empty());
        for (QPointF gone : {mark, pupil(eye, mark)})
            QCOMPARE(colourAt(field(), gone, kBlack), 0);
        for (QPointF kept : {object, line})
            QVERIFY(colourAt(field(), kept, kBlack) > 0);
    }

    // Also where a unit is about a pixel, an eye cleared leaves no arcs behind.
    void clearedEyeLeavesNoArcs()
    {
        field().resize(2130, 2087);
        field().setScale(-1000, -980, 1000, 980);
        scene().addEyeMarker({300, -300});
        scene().redraw();
        button("clearMarkersButton")->click();
        QCOMPARE(colourAround(field().image(), pixelOf(field(), {300, -300}), kBlack, 70), 0);
    }
};

QTEST_MAIN(TestRayPath)
#include "test_ray_path.moc"
