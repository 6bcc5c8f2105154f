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
using canvas::Pointer;

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0), kWhite = qRgb(255, 255, 255);

QPointF unit(QPointF d) { return d / std::hypot(d.x(), d.y()); }

// What the field shows around a pixel: the ink most of the pixels within 6
// of it have; a solid line crosses that 13-pixel box whole, a dotted one in
// pieces.
QString seen(const QImage &img, QPoint c)
{
    const std::pair<QRgb, QString> inks[] = {{kBlack, "black"},
                                             {qRgb(100, 100, 100), "grey"},
                                             {qRgb(255, 0, 0), "red"}};
    int most = 0;
    QString name = QStringLiteral("-");
    for (const auto &[colour, ink] : inks) {
        const int n = colourAround(img, c, colour, 6);
        if (n > most) {
            most = n;
            name = n >= 11 ? ink : "dotted " + ink;
        }
    }
    return name;
}

// Where a ray from P through (hitX, 0) goes on, by the law of refraction and
// of reflection: the refracted ray, its backward extension, the reflected
// ray, its extension, and the normal; none for the refracted parts under
// total reflection.
QList<QPointF> rayDirections(QPointF p, double hitX, double n)
{
    const double nEff = p.y() > 0 ? n : 1 / n;
    const QPointF in = unit(QPointF(hitX, 0) - p);
    const double sinB = nEff * std::abs(in.x()), sign = in.x() < 0 ? -1 : 1;
    const QPointF refracted = sinB < 1 ? QPointF(sign * sinB, in.y() > 0 ? std::sqrt(1 - sinB * sinB)
                                                                          : -std::sqrt(1 - sinB * sinB))
                                       : QPointF(0, -1);
    const QPointF reflected(in.x(), -in.y());
    return {refracted, -refracted, reflected, -reflected, QPointF(0, in.y() > 0 ? 0.3 : -0.3)};
}

}  // namespace

class TestRayPath : public QObject
{
    Q_OBJECT

    std::unique_ptr<RayPathWindow> form;
    RayPathScene &scene() { return form->scene(); }
    canvas::DrawingField &field() { return *form->field; }
    QImage shown() { return form->field->image().copy(); }
    // Pixels in which the field differs from a complete redraw.
    int offRedraw()
    {
        const QImage before = shown();
        scene().redraw();
        return pixelsDiffering(before, shown());
    }

private slots:
    void init()
    {
        form = std::make_unique<RayPathWindow>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    // One fixed ray, 200 units along each of its parts from the interface:
    // refracted, refracted extension, reflected, reflected extension, normal.
    void rayParts_data()
    {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<double>("objectY");
        QTest::addColumn<double>("hitX");
        QTest::addColumn<QStringList>("parts");
        const QString d = "dotted black";
        QTest::newRow("boxes at start") << "11000" << 500.0 << 300.0
                                        << QStringList{"black", d, "-", "-", "-"};
        QTest::newRow("every part") << "11111" << 500.0 << 300.0
                                    << QStringList{"black", d, "grey", d, "red"};
        QTest::newRow("nothing ticked") << "00000" << 500.0 << 300.0
                                        << QStringList{"-", "-", "-", "-", "-"};
        QTest::newRow("reflected extension alone") << "00010" << 500.0 << -300.0
                                                   << QStringList{"-", "-", "-", d, "-"};
        QTest::newRow("P above: refracted downward") << "11111" << -500.0 << 250.0
                                                     << QStringList{"black", d, "grey", d, "red"};
        QTest::newRow("total reflection: reflected black") << "11111" << 500.0 << 800.0
                                                           << QStringList{"-", "-", "black", d, "red"};
        // The critical angle arcsin(1 / 1.33) puts the boundary at 500 tan 48.75 = 570.2;
        // there the refracted ray runs along the interface ("?": not looked at).
        QTest::newRow("just inside the critical angle") << "00100" << 500.0 << 569.0
                                                        << QStringList{"?", "?", "grey", "-", "-"};
        QTest::newRow("just past the critical angle") << "00100" << 500.0 << 571.5
                                                      << QStringList{"?", "?", "black", "-", "-"};
    }
    void rayParts()
    {
        QFETCH(QString, boxes);
        QFETCH(double, objectY);
        QFETCH(double, hitX);
        QFETCH(QStringList, parts);
        const QList<QCheckBox *> checks{form->refractedBox, form->refractedExtensionBox,
                                        form->reflectedBox, form->reflectedExtensionBox,
                                        form->normalsBox};
        for (int i = 0; i < checks.size(); ++i)
            checks[i]->setChecked(boxes[i] == '1');
        scene().moveObject({0, float(objectY)});
        scene().fixRayAt(float(hitX));
        scene().redraw();
        const QList<QPointF> dirs = rayDirections({0, objectY}, hitX, 1.33);
        const QImage img = shown();
        QStringList got;
        for (int i = 0; i < dirs.size(); ++i)
            got << (parts[i] == "?" ? "?" : seen(img, pixelOf(field(), QPointF(hitX, 0) + 200 * dirs[i])));
        QCOMPARE(got, parts);
        // The incident ray is always there, halfway from P.
        QCOMPARE(seen(img, pixelOf(field(), {hitX / 2, objectY / 2})), QStringLiteral("black"));
    }

    // A click fixes the ray from P through the aim point; where no live ray
    // could show (on P, level with it, straight above it, or meeting the
    // interface far outside the field) nothing is fixed.
    void clickFixesRay_data()
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
    void clickFixesRay()
    {
        QFETCH(QPointF, aim);
        QFETCH(bool, fixes);
        // P where the field reports the pixel under (0, 500), so that aims in
        // its pixel row or column are exactly level with or above it.
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
        QCOMPARE(offRedraw(), 0);
    }

    // A live ray dragged across fixed rays and through total reflection
    // leaves nothing behind, mid-drag and after.
    void dragLeavesNoTraces()
    {
        form->reflectedBox->setChecked(true);
        form->normalsBox->setChecked(true);
        for (float x : {-600.f, -100.f, 450.f})
            scene().fixRayAt(x);
        scene().redraw();
        const Path path{{200, 0}, {250, -100}, {-300, 300}, {800, 0}, {600, 100}, {-100, -600}};
        QTest::mousePress(&field(), Qt::LeftButton, {}, pixelOf(field(), path.front()));
        for (const QPointF &s : path)
            moveHolding(field(), Qt::LeftButton, s);
        const QImage midDrag = shown();
        scene().redraw();
        scene().drawLiveRay();
        QCOMPARE(pixelsDiffering(midDrag, shown()), 0);
        QTest::mouseRelease(&field(), Qt::LeftButton, {}, pixelOf(field(), path.back()));
        QCOMPARE(scene().rayHits().size(), size_t(4));
        QCOMPARE(offRedraw(), 0);
    }

    // P dragged with the right button: the fan of fixed rays turns with it,
    // and from above the interface light is refracted downward.
    void objectDragged_data()
    {
        QTest::addColumn<Path>("path");
        QTest::newRow("stays below") << Path{{0, 500}, {0, 300}, {100, 300}};
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
        QVERIFY(colourAt(field(), p, kBlack) == 9);
        QCOMPARE(colourAt(field(), {0, 500}, kWhite), p == QPointF(0, 500) ? 0 : 9);
        QVERIFY(colourAt(field(), {900, 0}, kBlack) > 0);  // the interface
        // The ray through (300, 0) now, or none with P on the interface.
        const QPointF onRefracted = QPointF(300, 0) + 200 * rayDirections(p, 300, 1.33)[0];
        QCOMPARE(seen(shown(), pixelOf(field(), onRefracted)),
                 p.y() == 0 ? QStringLiteral("-") : QStringLiteral("black"));
    }

    void pointerNearP_data()
    {
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<Qt::MouseButtons>("held");
        QTest::addColumn<bool>("cross");
        QTest::newRow("near P") << QPointF(40, -40) << Qt::MouseButtons() << true;
        QTest::newRow("near on both axes") << QPointF(85, -85) << Qt::MouseButtons() << true;
        QTest::newRow("too far across") << QPointF(130, 0) << Qt::MouseButtons() << false;
        QTest::newRow("left button held") << QPointF(40, -40) << Qt::MouseButtons(Qt::LeftButton) << false;
        QTest::newRow("right button held") << QPointF(40, -40) << Qt::MouseButtons(Qt::RightButton) << true;
    }
    void pointerNearP()
    {
        QFETCH(QPointF, offset);
        QFETCH(Qt::MouseButtons, held);
        QFETCH(bool, cross);
        // From the other shape first, so that the move has to change it.
        moveHolding(field(), Qt::NoButton, cross ? QPointF(500, 500) : QPointF(0, 500));
        moveHolding(field(), held, QPointF(0, 500) + offset);
        QCOMPARE(field().pointer(), cross ? Pointer::Cross : Pointer::Arrow);
    }

    // Rays, point and eye markers dropped on the last free place of their
    // store, and on a full store, where they are refused and leave the
    // picture as it was.
    void storeLimits_data()
    {
        QTest::addColumn<char>("kind");
        QTest::addColumn<int>("stored");
        QTest::newRow("ray, last free place") << 'r' << 99;
        QTest::newRow("ray, store full") << 'r' << 100;
        QTest::newRow("point, last free place") << 'p' << 19;
        QTest::newRow("point, store full") << 'p' << 20;
        QTest::newRow("eye, last free place") << 'e' << 19;
        QTest::newRow("eye, store full") << 'e' << 20;
    }
    void storeLimits()
    {
        QFETCH(char, kind);
        QFETCH(int, stored);
        const int limit = kind == 'r' ? 100 : 20;
        const auto count = [&] {
            return int(kind == 'r' ? scene().rayHits().size()
                       : kind == 'p' ? scene().pointMarkers().size() : scene().eyeMarkers().size());
        };
        for (int i = 1; i <= stored; ++i) {  // along the bottom, away from the drop
            if (kind == 'r')
                scene().fixRayAt(-990.f + 20 * i);
            else if (kind == 'p')
                scene().addPointMarker({-950.f + 90 * i, 750});
            else
                scene().addEyeMarker({-950.f + 90 * i, 750});
        }
        scene().redraw();
        const QImage before = shown();
        if (kind != 'r')
            QTest::mouseClick(kind == 'e' ? form->eyeSymbolBox : form->pointSymbolBox, Qt::LeftButton);
        const QPointF drop(550, -550);
        drag(field(), Qt::LeftButton, {{400, -400}, {480, -480}, drop});
        QCOMPARE(count(), limit);
        QCOMPARE(scene().armedSymbol(), MarkerSymbol::None);
        QVERIFY(!form->eyeSymbolBox->isFramed() && !form->pointSymbolBox->isFramed());
        if (stored == limit)
            QCOMPARE(pixelsDiffering(before, shown()), 0);
        else  // the new marker, or the incident ray halfway to (261.9, 0)
            QVERIFY(colourAt(field(), kind == 'e' ? drop + QPointF(50, 0)
                                      : kind == 'p' ? drop : QPointF(131, 250), kBlack) > 0);
        QCOMPARE(offRedraw(), 0);
    }

    // Clicks on the palette: 'e' the eye, 'p' the point; then a click in
    // the field places the armed symbol, or else fixes a ray.
    void palette_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("eyes");
        QTest::addColumn<int>("points");
        QTest::newRow("eye") << "e" << 1 << 0;
        QTest::newRow("eye, then point") << "ep" << 0 << 1;
        QTest::newRow("eye twice: a ray") << "ee" << 0 << 0;
    }
    void palette()
    {
        QFETCH(QString, clicks);
        QFETCH(int, eyes);
        QFETCH(int, points);
        for (QChar c : clicks)
            QTest::mouseClick(c == 'e' ? form->eyeSymbolBox : form->pointSymbolBox, Qt::LeftButton);
        QCOMPARE(int(form->eyeSymbolBox->isFramed()), eyes);
        QCOMPARE(int(form->pointSymbolBox->isFramed()), points);
        click(field(), Qt::LeftButton, {-300, -300});
        QCOMPARE(int(scene().eyeMarkers().size()), eyes);
        QCOMPARE(int(scene().pointMarkers().size()), points);
        QCOMPARE(int(scene().rayHits().size()), 1 - eyes - points);
    }

    // Every eye looks at the point marker placed last, or at (0, 0): its
    // pupil 30 units from its centre towards it.
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
            QTest::mouseClick(form->pointSymbolBox, Qt::LeftButton);
            click(field(), Qt::LeftButton, p);
        }
        const QPointF eye(-300, -500);
        QTest::mouseClick(form->eyeSymbolBox, Qt::LeftButton);
        click(field(), Qt::LeftButton, eye);
        const QPointF towards = 30 * unit(target - eye);
        QCOMPARE(colourAt(field(), eye + towards, kBlack), 9);
        QCOMPARE(colourAt(field(), eye - towards, kBlack), 0);
    }

    // "Strahlen löschen" takes the rays and leaves P, the interface and the
    // markers; "Markierungen löschen" takes the markers.
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
