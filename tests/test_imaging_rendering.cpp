// What the imaging scene draws, and in which order, recorded call by call.
#include "imaging/imaging_scene.h"
#include "recording_surface.h"

#include <QtTest>

using namespace imaging;

namespace {

// Names each recorded call by the element it belongs to and merges runs of
// the same element: "Cls Eye P Interface Bundle Image".
QString elements(const RecordingSurface &rec, const ImagingScene &scene)
{
    QStringList out;
    auto isRowPoint = [&scene](double x, double y) {
        for (const Point &p : scene.rowPoints())
            if (p.x == float(x) && p.y == float(y))
                return true;
        return false;
    };
    for (size_t i = 0; i < rec.ops.size(); ++i) {
        const DrawOp &op = rec.ops[i];
        QString e;
        if (op.kind == DrawOp::Clear)
            e = QStringLiteral("Cls");
        else if (op.kind == DrawOp::Circle || (op.kind == DrawOp::Dot && op.width == 15))
            e = QStringLiteral("Eye");
        else if (op.kind == DrawOp::Dot && op.colour == canvas::kRed)
            e = QStringLiteral("Image");
        else if (op.kind == DrawOp::Dot && op.width == 1)
            e = QStringLiteral("Grid");
        else if (op.kind == DrawOp::Dot)
            e = isRowPoint(op.x1, op.y1) ? QStringLiteral("Row") : QStringLiteral("P");
        else if (op.width == 2 && op.y1 == 0 && op.y2 == 0)
            e = QStringLiteral("Interface");
        else
            e = QStringLiteral("Bundle");
        if (out.isEmpty() || out.last() != e)
            out << e;
    }
    return out.join(QLatin1Char(' '));
}

}  // namespace

class TestImagingRendering : public QObject
{
    Q_OBJECT

private slots:
    void redrawOrder_data();
    void redrawOrder();
    void bundle_data();
    void bundle();
    void gridNodes();
};

void TestImagingRendering::redrawOrder_data()
{
    QTest::addColumn<QString>("occasion");
    QTest::addColumn<bool>("rows");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<QString>("order");
    QTest::newRow("eye released") << "left up" << false << true
                                  << "Cls Eye P Interface Bundle Image Grid";
    QTest::newRow("eye released, no grid") << "left up" << false << false
                                           << "Cls Eye P Interface Bundle Image";
    QTest::newRow("P released") << "right up" << false << true
                                << "Cls P Eye Interface Grid Bundle Image";
    QTest::newRow("eye released, rows") << "left up" << true << true
                                        << "Cls Eye Interface Grid Image Row Bundle Image";
    QTest::newRow("point added to the row")
        << "right up" << true << true << "Cls Interface Grid Row Image Eye Bundle Image Grid";
    QTest::newRow("n changed") << "scroll" << false << true
                               << "Cls Eye Grid Interface Bundle Image P";
    QTest::newRow("n changed, rows") << "scroll" << true << true
                                     << "Cls Eye Grid Interface Image Row";
    QTest::newRow("Löschen") << "clear" << true << true << "Cls Interface Eye Grid P";
    QTest::newRow("paint request") << "paint" << false << true
                                   << "Cls Interface P Eye Bundle Image";
}

void TestImagingRendering::redrawOrder()
{
    QFETCH(QString, occasion);
    QFETCH(bool, rows);
    QFETCH(bool, grid);
    QFETCH(QString, order);

    RecordingSurface rec;
    ImagingScene scene(rec);
    scene.setRowMode(rows);
    scene.showGrid(grid);
    // A row of two points beside P; in row mode a right press puts P down
    // and its release adds P to the row.
    scene.storeRowPoint({-300, 400});
    scene.storeRowPoint({200, 300});
    if (rows && occasion == QLatin1String("right up"))
        scene.press(MouseButton::Right, {-100, 600});
    rec.forget();
    if (occasion == QLatin1String("left up"))
        scene.release(MouseButton::Left);
    else if (occasion == QLatin1String("right up"))
        scene.release(MouseButton::Right);
    else if (occasion == QLatin1String("scroll"))
        scene.setIndex(1.5f);
    else if (occasion == QLatin1String("clear"))
        scene.clearRow();
    else
        scene.paintFreshField();
    QCOMPARE(elements(rec, scene), order);
    QCOMPARE(rec.nonFinite, 0);
    QCOMPARE(rec.penWidth(), 1);
    if (occasion == QLatin1String("clear"))
        QVERIFY(scene.rowPoints().empty());
}

void TestImagingRendering::bundle_data()
{
    QTest::addColumn<QPointF>("eye");
    QTest::addColumn<float>("n");
    QTest::addColumn<int>("rays");
    QTest::addColumn<bool>("marked");
    QTest::newRow("at start") << QPointF(300, -500) << 1.33f << 5 << true;
    // The two rightmost rays are totally reflected, and with them the
    // neighbour ray of the construction.
    QTest::newRow("flat view, n = 2") << QPointF(900, -100) << 2.0f << 3 << false;
}

void TestImagingRendering::bundle()
{
    QFETCH(QPointF, eye);
    QFETCH(float, n);
    QFETCH(int, rays);
    QFETCH(bool, marked);
    RecordingSurface rec;
    ImagingScene scene(rec);
    scene.moveEye({float(eye.x()), float(eye.y())});
    scene.setIndex(n);
    rec.forget();
    scene.paintFreshField();

    // The interface first, then the bundle.
    auto lines = rec.of(DrawOp::Line);
    QCOMPARE(lines.front().width, 2);
    lines.erase(lines.begin());
    QCOMPARE(int(lines.size()), 3 * rays);
    // Each ray: P to the interface, then the refracted ray up and its
    // extension down, both from the same point of the interface.
    for (int r = 0; r < rays; ++r) {
        const DrawOp &in = lines[3 * r], &up = lines[3 * r + 1], &back = lines[3 * r + 2];
        QCOMPARE(QPointF(in.x1, in.y1), QPointF(0, 500));  // from P
        QCOMPARE(in.y2, 0.0);
        QCOMPARE(QPointF(up.x1, up.y1), QPointF(in.x2, 0));
        QVERIFY(up.y2 < 0 && back.y2 > 0);
        QCOMPARE(in.width, 1);
    }
    // Neighbouring rays meet the interface a hundredth of P's depth apart.
    if (rays == 5) {
        QVERIFY(std::abs(lines[3].x2 - lines[0].x2 - 5) < 0.01);
        QVERIFY(std::abs(lines[6].x2 - 126.8) < 0.5);  // the central ray
    }
    auto red = rec.of(DrawOp::Dot);
    std::erase_if(red, [](const DrawOp &d) { return d.colour != canvas::kRed; });
    QCOMPARE(red.size(), size_t(marked ? 1 : 0));
    if (marked) {
        QCOMPARE(red[0].colour, canvas::kRed);
        QCOMPARE(red[0].width, 5);
        QVERIFY(std::abs(red[0].x1 - 6.6) < 0.5 && std::abs(red[0].y1 - 347.3) < 0.5);
    }
}

void TestImagingRendering::gridNodes()
{
    RecordingSurface rec;
    ImagingScene scene(rec);
    scene.showGrid(true);
    const auto dots = rec.of(DrawOp::Dot);
    QCOMPARE(dots.size(), size_t(41 * 41));
    QCOMPARE(QPointF(dots.front().x1, dots.front().y1), QPointF(-1000, -1000));
    QCOMPARE(QPointF(dots[1].x1, dots[1].y1), QPointF(-1000, -950));
    QCOMPARE(QPointF(dots.back().x1, dots.back().y1), QPointF(1000, 1000));
    rec.forget();
    scene.showGrid(false);  // erased by painting the nodes white, nothing else
    QCOMPARE(rec.ops.size(), size_t(41 * 41));
    QCOMPARE(rec.lines(canvas::kWhite).size(), size_t(0));
    QCOMPARE(rec.ops.back().colour, canvas::kWhite);
}

QTEST_MAIN(TestImagingRendering)
#include "test_imaging_rendering.moc"
