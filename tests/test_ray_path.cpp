// The ray-path window worked as a user works it, checked by the picture on
// its field and the rays and markers it keeps.
#include "probes.h"
#include "raypath/ray_path_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace raypath;

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);

// The ink of most pixels within 6 of c: K black, G grey, R red, in lower case when dotted
// (a solid line crosses the box whole), '-' none.
char seen(const QImage &img, QPoint c)
{
    const std::pair<QRgb, char> inks[] = {
        {kBlack, 'K'}, {qRgb(100, 100, 100), 'G'}, {qRgb(255, 0, 0), 'R'}};
    int most = 0;
    char ink = '-';
    for (const auto &[colour, code] : inks)
        if (const int n = colourAround(img, c, colour, 6); n > most) {
            most = n;
            ink = n >= 11 ? code : QChar::toLower(code);
        }
    return ink;
}

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

}  // namespace

class TestRayPath : public QObject
{
    Q_OBJECT

    std::unique_ptr<RayPathWindow> form;
    RayPathScene &scene() { return form->scene(); }
    canvas::DrawingField &field() { return *form->field; }
    QImage shown() { return form->field->image().copy(); }
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
    }
    void cleanup() { form.reset(); }

    // The check boxes and one fixed ray, seen 200 units along each way ('?': not looked at).
    void rayParts_data()
    {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QPointF>("object");
        QTest::addColumn<double>("hitX");
        QTest::addColumn<QString>("parts");
        QTest::newRow("boxes at start") << "11000" << QPointF(0, 500) << 300.0 << "Kk---";
        QTest::newRow("every part") << "11111" << QPointF(0, 500) << 300.0 << "KkGkR";
        QTest::newRow("reflected back alone") << "00010" << QPointF(0, 500) << -300.0 << "---k-";
        QTest::newRow("P above, aside") << "11111" << QPointF(-200, -500) << 250.0 << "KkGkR";
        // The critical angle arcsin(1 / 1.33) is met at 500 tan 48.75 = 570.2.
        QTest::newRow("within critical angle") << "00100" << QPointF(0, 500) << 569.0 << "??G--";
        QTest::newRow("total reflection") << "11111" << QPointF(0, 500) << 571.5 << "--KkR";
    }
    void rayParts()
    {
        QFETCH(QString, boxes);
        QFETCH(QPointF, object);
        QFETCH(double, hitX);
        QFETCH(QString, parts);
        const QList<QCheckBox *> checks{form->refractedBox, form->refractedExtensionBox,
                                        form->reflectedBox, form->reflectedExtensionBox,
                                        form->normalsBox};
        for (int i = 0; i < checks.size(); ++i)
            checks[i]->setChecked(boxes[i] == '1');
        scene().moveObject({float(object.x()), float(object.y())});
        scene().fixRayAt(float(hitX));
        scene().redraw();
        const QList<QPointF> ways = rayDirections(object, hitX, 1.33);
        QString got;
        for (int i = 0; i < ways.size(); ++i) {
            const QPoint at = pixelOf(field(), QPointF(hitX, 0) + 200 * ways[i]);
            got += parts[i] == '?' ? '?' : seen(shown(), at);
        }
        QCOMPARE(got, parts);
        QCOMPARE(seen(shown(), pixelOf(field(), (object + QPointF(hitX, 0)) / 2)), 'K');
    }

    // A click fixes the ray from P through the aim point, where a live ray could show.
    void clickFixesRay_data()
    {
        QTest::addColumn<QPointF>("aim");
        QTest::addColumn<bool>("fixes");
        QTest::newRow("on the interface") << QPointF(300, 0) << true;
        QTest::newRow("beyond the interface") << QPointF(400, -400) << true;
        QTest::newRow("on P") << QPointF(0, 500) << false;
        QTest::newRow("level with P") << QPointF(600, 500) << false;
        QTest::newRow("straight above P") << QPointF(0, 200) << false;
        QTest::newRow("interface far outside") << QPointF(900, 480) << false;
    }
    void clickFixesRay()
    {
        QFETCH(QPointF, aim);
        QFETCH(bool, fixes);
        // P exactly on a pixel, so that aims in its pixel row or column are level or above it.
        click(field(), Qt::RightButton, {0, 500});
        const QPointF p(scene().objectPoint().x, scene().objectPoint().y);
        const QPointF a = field().toScene(QPointF(pixelOf(field(), aim)));
        const double hit = p.x() + (a.x() - p.x()) * -p.y() / (a.y() - p.y());
        click(field(), Qt::LeftButton, aim);
        QCOMPARE(scene().rayHits().size(), size_t(fixes));
        if (fixes) {
            QVERIFY2(std::abs(scene().rayHits()[0] - hit) < 0.5, qPrintable(QString::number(hit)));
            QVERIFY(colourAt(field(), (p + QPointF(hit, 0)) / 2, kBlack) > 0);
        }
        QVERIFY(asRedrawn());
    }

    // P dragged: the fixed ray turns with it; the pointer is a crosshair near P.
    void objectDragged_data()
    {
        QTest::addColumn<Path>("path");
        QTest::newRow("crosses to above") << Path{{0, 500}, {0, 200}, {0, -100}, {-100, -500}};
        QTest::newRow("above and back below") << Path{{0, 500}, {0, -500}, {100, 400}};
        QTest::newRow("onto the interface") << Path{{0, 500}, {0, 0}};
    }
    void objectDragged()
    {
        QFETCH(Path, path);
        scene().fixRayAt(300);
        scene().redraw();
        drag(field(), Qt::RightButton, path);
        const QPointF p(scene().objectPoint().x, scene().objectPoint().y);
        const QPointF end = field().toScene(QPointF(pixelOf(field(), path.back())));
        QVERIFY(std::hypot(p.x() - end.x(), p.y() - end.y()) < 0.01);
        QCOMPARE(colourAt(field(), p, kBlack), 9);
        QCOMPARE(colourAt(field(), {0, 500}, kBlack), p == QPointF(0, 500) ? 9 : 0);
        const QPointF onRefracted = QPointF(300, 0) + 200 * rayDirections(p, 300, 1.33)[0];
        QCOMPARE(seen(shown(), pixelOf(field(), onRefracted)), p.y() == 0 ? '-' : 'K');
        for (auto [offset, held, cross] : {std::tuple{QPointF(85, -85), Qt::NoButton, true},
                                           {QPointF(130, 0), Qt::NoButton, false},
                                           {QPointF(40, -40), Qt::LeftButton, false},
                                           {QPointF(40, -40), Qt::RightButton, true}}) {
            moveHolding(field(), held, p + offset);
            QCOMPARE(field().pointer(), cross ? canvas::Pointer::Cross : canvas::Pointer::Arrow);
        }
    }

    // A ray dragged over fixed rays, markers and its own earlier places leaves the
    // fixed scene redrawn with the live ray on top.
    void liveRayDragged()
    {
        for (QCheckBox *c : {form->refractedExtensionBox, form->reflectedBox,
                             form->reflectedExtensionBox, form->normalsBox})
            c->setChecked(true);
        for (float x : {-400.f, 100.f, 350.f})
            scene().fixRayAt(x);
        scene().addPointMarker({200, -300});
        scene().addEyeMarker({-250, -350});
        scene().redraw();
        QTest::mousePress(&field(), Qt::LeftButton, {}, pixelOf(field(), {-300, 0}));
        for (QPointF aim : Path{{250, -200}, {600, 100}, {-50, -600}, {100, -100}})
            moveHolding(field(), Qt::LeftButton, aim);
        const QImage dragged = shown();
        scene().redraw();
        scene().drawLiveRay();
        QCOMPARE(dragged, shown());
    }

    // Rays and markers dragged to the last free place of their store, and to a full
    // store, which refuses them and leaves the picture as it was.
    void storeLimits_data()
    {
        QTest::addColumn<char>("kind");
        QTest::addColumn<int>("stored");
        QTest::newRow("ray, last free place") << 'r' << 99;
        QTest::newRow("ray, store full") << 'r' << 100;
        QTest::newRow("point, store full") << 'p' << 20;
        QTest::newRow("eye, last free place") << 'e' << 19;
        QTest::newRow("eye, store full") << 'e' << 20;
    }
    void storeLimits()
    {
        QFETCH(char, kind);
        QFETCH(int, stored);
        const int limit = kind == 'r' ? 100 : 20;
        form->reflectedBox->setChecked(true);
        form->normalsBox->setChecked(true);
        for (int i = 1; i <= stored; ++i) {  // along the bottom, away from the drop
            if (kind == 'r')
                scene().fixRayAt(-990.f + 20 * i);
            else
                (kind == 'p' ? scene().addPointMarker({-950.f + 90 * i, 750})
                             : scene().addEyeMarker({-950.f + 90 * i, 750}));
        }
        scene().redraw();
        const QImage before = shown();
        QWidget *palette = kind == 'e' ? form->eyeSymbolBox : form->pointSymbolBox;
        if (kind != 'r')
            QTest::mouseClick(palette, Qt::LeftButton);
        QCOMPARE(form->eyeSymbolBox->isFramed(), kind == 'e');
        QCOMPARE(form->pointSymbolBox->isFramed(), kind == 'p');
        const QPointF drop(550, -550);
        drag(field(), Qt::LeftButton, kind == 'r' ? Path{{400, -400}, {800, 0}, {-300, 300}, drop}
                                                  : Path{{400, -400}, {480, -480}, drop});
        const size_t count = kind == 'r'   ? scene().rayHits().size()
                             : kind == 'p' ? scene().pointMarkers().size()
                                           : scene().eyeMarkers().size();
        QCOMPARE(int(count), limit);
        QVERIFY(!form->eyeSymbolBox->isFramed() && !form->pointSymbolBox->isFramed());
        // The new marker, or the incident ray halfway to (261.9, 0).
        const QPointF added =
            kind == 'r' ? QPointF(131, 250) : drop + QPointF(kind == 'e' ? 50 : 0, 0);
        if (stored == limit)
            QVERIFY(before == shown());
        else
            QVERIFY(colourAt(field(), added, kBlack) > 0);
        QVERIFY(asRedrawn());
    }

    // Every eye looks at the point marker placed last, or at (0, 0).
    void eyesLookAt_data()
    {
        QTest::addColumn<Path>("points");
        QTest::addColumn<QPointF>("target");
        QTest::newRow("no point marker") << Path{} << QPointF(0, 0);
        QTest::newRow("the last of two") << Path{{-700, -100}, {700, -400}} << QPointF(700, -400);
    }
    void eyesLookAt()
    {
        QFETCH(Path, points);
        QFETCH(QPointF, target);
        for (const QPointF &p : points) {
            // The point's box disarms the eye's.
            QTest::mouseClick(form->eyeSymbolBox, Qt::LeftButton);
            QTest::mouseClick(form->pointSymbolBox, Qt::LeftButton);
            click(field(), Qt::LeftButton, p);
        }
        const QPointF eye(-300, -500);
        QTest::mouseClick(form->eyeSymbolBox, Qt::LeftButton);
        click(field(), Qt::LeftButton, eye);
        QCOMPARE(colourAt(field(), pupil(eye, target), kBlack), 9);
        QCOMPARE(colourAt(field(), pupil(eye, 2 * eye - target), kBlack), 0);
    }

    // "Strahlen löschen" leaves P, the interface and the markers; "Markierungen löschen" P.
    void clearButtons()
    {
        click(field(), Qt::LeftButton, {300, 0});
        click(field(), Qt::LeftButton, {-400, 0});
        QTest::mouseClick(form->pointSymbolBox, Qt::LeftButton);
        click(field(), Qt::LeftButton, {-500, -500});
        const QPointF onRay(150, 250), mark(-500, -500), object(0, 500), line(-700, 0);
        QVERIFY(colourAt(field(), onRay, kBlack) > 0);
        form->clearRaysButton->click();
        QVERIFY(scene().rayHits().empty());
        QCOMPARE(colourAt(field(), onRay, kBlack), 0);
        for (QPointF kept : {mark, object, line})
            QVERIFY(colourAt(field(), kept, kBlack) > 0);
        form->clearMarkersButton->click();
        QVERIFY(scene().pointMarkers().empty());
        QCOMPARE(colourAt(field(), mark, kBlack), 0);
        QVERIFY(colourAt(field(), object, kBlack) > 0);
    }
};

QTEST_MAIN(TestRayPath)
#include "test_ray_path.moc"
