// What the ray-path window draws: recorded call by call, with pen, colour and
// style; the index displays; the layout for several screens.
#include "raypath/ray_path_layout.h"
#include "raypath/ray_path_window.h"
#include "recording_surface.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>
#include <cmath>

using namespace raypath;
using canvas::kBlack;
using canvas::kRed;

namespace {

void tick(RayPathScene &scene, const QString &boxes)
{
    const auto on = [&](int i) { return boxes[i] == QLatin1Char('1'); };
    scene.setParts({on(0), on(1), on(2), on(3), on(4)});
}

// Names a line of one ray by where it runs, independent of how the program
// computed it: from P it is the incident ray; from the point of incidence it
// is refracted (into the other medium) or reflected (back into P's medium),
// and dotted lines are the backward extensions, which run the other way.
QString classify(const DrawOp &op, double objectY)
{
    if (op.colour == kRed)
        return QStringLiteral("normal");
    if (op.y1 != 0)
        return QStringLiteral("incident");
    const bool backIntoPsMedium = (op.y2 > 0) == (objectY > 0);
    if (op.style == canvas::kDotted)
        return backIntoPsMedium ? QStringLiteral("refractedExt") : QStringLiteral("reflectedExt");
    return backIntoPsMedium ? QStringLiteral("reflected") : QStringLiteral("refracted");
}

}  // namespace

class TestRayPathRendering : public QObject
{
    Q_OBJECT

private slots:
    void fixedRayParts_data();
    void fixedRayParts();
    void fullRedrawFrame();
    void liveRayIsLightGreyAndAlone();
    void eyesLookAtLastPointMarker_data();
    void eyesLookAtLastPointMarker();
    void indexDisplays_data();
    void indexDisplays();
    void layoutFitsTheScreen_data();
    void layoutFitsTheScreen();
};

void TestRayPathRendering::fixedRayParts_data()
{
    QTest::addColumn<float>("objectY");
    QTest::addColumn<float>("hitX");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<int>("reflectedGrey");

    const QStringList all = {"normal", "refracted", "refractedExt", "incident", "reflected",
                             "reflectedExt"};
    QTest::newRow("boxes at start") << 500.f << 300.f << "11000"
                                    << QStringList{"refracted", "refractedExt", "incident"} << 100;
    QTest::newRow("all boxes") << 500.f << 300.f << "11111" << all << 100;
    QTest::newRow("nothing ticked") << 500.f << 300.f << "00000" << QStringList{"incident"} << 100;
    QTest::newRow("only reflected extensions")
        << 500.f << 300.f << "00010" << QStringList{"incident", "reflectedExt"} << 100;
    QTest::newRow("total reflection")
        << 500.f << 800.f << "11111" << QStringList{"normal", "incident", "reflected", "reflectedExt"}
        << 0;
    // The critical angle arcsin(1 / 1.33) puts the boundary at 500 tan 48.75 = 570.2.
    QTest::newRow("critical angle - 0.5") << 500.f << 569.7f << "11100"
                                          << QStringList{"refracted", "refractedExt", "incident",
                                                         "reflected"}
                                          << 100;
    QTest::newRow("critical angle + 0.5")
        << 500.f << 570.7f << "11100" << QStringList{"incident", "reflected"} << 0;
    QTest::newRow("P above, never totally reflected")
        << -500.f << 1900.f << "11111" << all << 100;
    QTest::newRow("along the normal") << 500.f << 0.f << "11111" << all << 100;
}

void TestRayPathRendering::fixedRayParts()
{
    QFETCH(float, objectY);
    QFETCH(float, hitX);
    QFETCH(QString, boxes);
    QFETCH(QStringList, parts);
    QFETCH(int, reflectedGrey);

    RecordingSurface rec;
    RayPathScene scene(rec);
    tick(scene, boxes);
    scene.moveObject({0, objectY});
    scene.fixRayAt(hitX);
    rec.forget();
    scene.redrawRays();

    // The frame (P and the interface) comes first; every ray line after it.
    QStringList drawn;
    for (size_t i = 2; i < rec.ops.size(); ++i) {
        const DrawOp &op = rec.ops[i];
        QCOMPARE(op.kind, DrawOp::Line);
        QCOMPARE(op.width, 1);
        const QString part = classify(op, objectY);
        drawn << part;
        if (part == QLatin1String("reflected"))
            QCOMPARE(op.colour, canvas::greyLevel(reflectedGrey));
        else if (part != QLatin1String("normal"))
            QCOMPARE(op.colour, kBlack);
        if (part == QLatin1String("normal")) {
            QVERIFY(std::abs(op.x1 - hitX) < 0.01);
            QCOMPARE(op.y1, 100.0);
            QCOMPARE(op.y2, -100.0);
        }
        if (part.endsWith(QLatin1String("Ext")))
            QCOMPARE(op.style, int(canvas::kDotted));
        else
            QCOMPARE(op.style, int(canvas::kSolid));
        if (op.y1 == 0)
            QVERIFY(std::abs(op.x1 - hitX) < 0.01);
    }
    QCOMPARE(drawn, parts);
    QCOMPARE(rec.lineStyle(), int(canvas::kSolid));
    QCOMPARE(rec.penWidth(), 1);
}

void TestRayPathRendering::fullRedrawFrame()
{
    RayPathWindow f;
    RecordingSurface rec;
    f.scene().setScreen(rec);
    f.reflectedBox->setChecked(true);  // a check box clears and redraws
    QVERIFY(rec.ops.size() >= 3);
    QCOMPARE(rec.ops[0].kind, DrawOp::Clear);
    const DrawOp &p = rec.ops[1];
    QCOMPARE(p.kind, DrawOp::Dot);
    QCOMPARE(p.width, 5);
    QCOMPARE(QPointF(p.x1, p.y1), QPointF(0, 500));
    const DrawOp &line = rec.ops[2];
    QCOMPARE(line.kind, DrawOp::Line);
    QCOMPARE(line.width, 2);
    QCOMPARE(QLineF(line.x1, line.y1, line.x2, line.y2), QLineF(-2000, 0, 2000, 0));
    QCOMPARE(rec.ops.size(), size_t(3));

    // The very first picture of the field is its repaint: a thinner interface
    // line across the field and P.
    rec.forget();
    f.scene().drawFirstPicture();
    QCOMPARE(rec.ops.size(), size_t(2));
    QCOMPARE(QLineF(rec.ops[0].x1, rec.ops[0].y1, rec.ops[0].x2, rec.ops[0].y2),
             QLineF(-1000, 0, 1000, 0));
    QCOMPARE(rec.ops[1].kind, DrawOp::Dot);
    QCOMPARE(rec.ops[1].width, 5);
}

void TestRayPathRendering::liveRayIsLightGreyAndAlone()
{
    RecordingSurface rec;
    RayPathScene scene(rec);
    tick(scene, QStringLiteral("11111"));
    rec.forget();
    scene.press(MouseButton::Left, 150, 250);
    QCOMPARE(rec.ops.size(), size_t(6));
    QCOMPARE(rec.lines(canvas::greyLevel(200)).size(), size_t(1));
    QVERIFY(std::abs(scene.lastRay().hitX - 300) < 0.01);

    // Aimed level with P: no ray, nothing drawn, the last values kept.
    rec.forget();
    scene.press(MouseButton::Left, 700, 500);
    QVERIFY(rec.ops.empty());
    QVERIFY(std::abs(scene.lastRay().hitX - 300) < 0.01);
}

void TestRayPathRendering::eyesLookAtLastPointMarker_data()
{
    QTest::addColumn<QPointF>("eye");
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<QPointF>("pupil");
    QTest::newRow("no point marker: looks at (0, 0)")
        << QPointF(300, -500) << QList<QPointF>{} << QPointF(284.6, -474.3);
    QTest::newRow("looks at the last of two")
        << QPointF(0, -500) << QList<QPointF>{{400, 0}, {0, 100}} << QPointF(0, -470);
    QTest::newRow("on its target: pupil in the middle")
        << QPointF(200, 200) << QList<QPointF>{{200, 200}} << QPointF(200, 200);
}

void TestRayPathRendering::eyesLookAtLastPointMarker()
{
    QFETCH(QPointF, eye);
    QFETCH(QList<QPointF>, points);
    QFETCH(QPointF, pupil);
    RecordingSurface rec;
    RayPathScene scene(rec);
    for (const QPointF &p : points)
        scene.addPointMarker({float(p.x()), float(p.y())});
    scene.addEyeMarker({float(eye.x()), float(eye.y())});
    scene.redrawRays();

    // P first, then the markers.
    const auto dots = rec.of(DrawOp::Dot);
    QCOMPARE(int(dots.size()), 1 + int(points.size()) + 1);
    for (int i = 0; i <= points.size(); ++i)
        QCOMPARE(dots[i].width, 5);
    const auto circles = rec.of(DrawOp::Circle);
    QCOMPARE(circles.size(), size_t(1));
    QCOMPARE(circles[0].width, 3);
    QCOMPARE(circles[0].x2, 50.0);
    const DrawOp &p = dots.back();
    QCOMPARE(p.width, 15);
    QVERIFY2(std::abs(p.x1 - pupil.x()) < 0.1 && std::abs(p.y1 - pupil.y()) < 0.1,
             qPrintable(describe(p)));
    QCOMPARE(rec.penWidth(), 1);
    QCOMPARE(rec.nonFinite, 0);
}

void TestRayPathRendering::indexDisplays_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("value");
    QTest::addColumn<float>("objectY");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text4");
    QTest::addColumn<double>("effIndex");
    QTest::newRow("133") << "C" << 133 << 500.f << "1.33" << "n = 1 " << " n = 1.33" << 1.33;
    QTest::newRow("100") << "C" << 100 << 500.f << "1" << "n = 1 " << " n = 1" << 1.0;
    QTest::newRow("75: reciprocal above") << "C" << 75 << 500.f << "1.33" << " n = 1.33"
                                          << "n = 1 " << 0.75;
    QTest::newRow("50") << "C" << 50 << 500.f << "2" << " n = 2" << "n = 1 " << 0.5;
    QTest::newRow("P above") << "C" << 150 << -10.f << "1.5" << "n = 1 " << " n = 1.5"
                             << 1 / 1.5;
    QTest::newRow("German 133") << "de_DE" << 133 << 500.f << "1,33" << "n = 1 " << " n = 1,33"
                                << 1.33;
    QTest::newRow("German 75") << "de_DE" << 75 << 500.f << "1,33" << " n = 1,33" << "n = 1 "
                               << 0.75;
}

void TestRayPathRendering::indexDisplays()
{
    QFETCH(QString, locale);
    QFETCH(int, value);
    QFETCH(float, objectY);
    QFETCH(QString, text3);
    QFETCH(QString, text1);
    QFETCH(QString, text4);
    QFETCH(double, effIndex);
    const QLocale saved;
    QLocale::setDefault(QLocale(locale));
    {
        RayPathWindow f;
        RecordingSurface rec;
        f.scene().setScreen(rec);
        f.scene().moveObject({0, objectY});
        f.indexBar->setValue(value == 133 ? 134 : 133);
        rec.forget();
        f.indexBar->setValue(value);
        QCOMPARE(f.scene().index(), float(value / 100.0));
        QCOMPARE(f.indexText->text(), text3);
        QCOMPARE(f.upperIndexText->text(), text1);
        QCOMPARE(f.lowerIndexText->text(), text4);
        QVERIFY(std::abs(f.scene().effectiveIndex() - effIndex) < 1e-6);
        QCOMPARE(rec.ops.front().kind, DrawOp::Clear);  // and the scene is drawn anew
        QVERIFY(rec.ops.size() >= 3);
    }
    QLocale::setDefault(saved);
}

void TestRayPathRendering::layoutFitsTheScreen_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<bool>("shrunk");
    QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1080) << true;
    QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << true;
    QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024) << false;
    QTest::newRow("1920x1040 below a panel") << QRect(0, 40, 1920, 1040) << true;
}

void TestRayPathRendering::layoutFitsTheScreen()
{
    QFETCH(QRect, screen);
    QFETCH(bool, shrunk);
    const RayPathLayout l = computeRayPathLayout(screen);
    QVERIFY(screen.contains(l.window));
    QVERIFY2(l.field.bottom() < l.window.height(), "the field fits the window");
    const double FW = 0.98 * screen.width();
    if (!shrunk)
        QCOMPARE(l.field.width(), int(0.75 * FW));
    else
        QVERIFY(l.field.width() < int(0.75 * FW));
    QVERIFY(std::abs(double(l.field.height()) / l.field.width() - 0.98) < 0.005);
    // The column stands right of the field and within the window.
    for (const QRect &r :
         {l.partsCaption, l.refractedBox, l.indexBar, l.eyeSymbolBox, l.imagingButton}) {
        QCOMPARE(r.x() >= l.field.x() + l.field.width(), true);
        QVERIFY(r.right() < l.window.width());
        QVERIFY(r.bottom() < l.window.height());
    }
    QCOMPARE(l.refractedExtensionBox.x(), l.refractedBox.x() + l.refractedBox.width());
    QCOMPARE(l.eyeSymbolBox.height(), l.eyeSymbolBox.width());
    QVERIFY(l.imagingButton.y() > l.printButton.y()
            && l.printButton.y() > l.clearMarkersButton.y());
}

QTEST_MAIN(TestRayPathRendering)
#include "test_ray_path_rendering.moc"
