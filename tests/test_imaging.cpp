// The imaging window worked with the mouse and its controls: where the eye
// and P end up, what the pointers show, and what the picture shows.
#include "control.h"
#include "imaging/imaging_window.h"
#include "optics/image_construction.h"
#include "probes.h"
#include "ui/screen_pointer.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using namespace imaging;
using enum canvas::Pointer;

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0), kBlack = qRgb(0, 0, 0);

using canvas::FieldEvent;
using canvas::MouseButtons;
using enum MouseButtons;

// A press and drags, in row mode or not, on the grid or not, of a mouse button or of a
// finger that plays its part; where the eye and P end up, and the pointers on the field and
// the screen.
struct MouseRow {
    MouseButtons button;
    bool finger = false;
    bool rows = false, grid = false;
    Path path;
    QPointF eye{300, -500}, p{0, 500};
    canvas::Pointer field = Arrow, screen = Cross;
    std::optional<QPointF> stored = {};  // where the release puts P, when not at p
};

}  // namespace

Q_DECLARE_METATYPE(MouseRow)
Q_DECLARE_METATYPE(MouseButtons)

class TestImaging : public QObject
{
    Q_OBJECT

    std::unique_ptr<ImagingWindow> f;
    canvas::DrawingField &field() { return *control<canvas::DrawingField>(*f, "field"); }
    QAbstractButton *buttonNamed(const char *name) { return control<QAbstractButton>(*f, name); }
    // Whether the red image point shows where the eye sees an object point.
    bool imageShown(QPointF p)
    {
        const ImagingScene &s = f->scene();
        const auto image = optics::imagePoint({float(p.x()), float(p.y())}, s.eye(), s.index());
        return image && colourAt(field(), qp(*image), kRed, 3) > 0;
    }

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

    // Presses and drags (1 left, 2 right) on a blanked field; the release draws the picture.
    void mouse_data()
    {
        QTest::addColumn<MouseRow>("r");
        auto row = [](const char *name, MouseRow r) { QTest::newRow(name) << r; };
        row("eye: press on the limit", {.button = Left, .path = {{200, -50}}, .eye = {200, -50}});
        row("eye: press just below it",
            {.button = Left, .path = {{200, -49.9}}, .screen = NoDrop});
        row("eye: dragged past", {.button = Left, .path = {{200, -300}, {-100, -49.9}},
                                  .eye = {200, -300}, .screen = NoDrop});
        row("eye, rows: press on the limit",
            {.button = Left, .rows = true, .path = {{200, 50}}, .eye = {200, 50}});
        row("eye, rows: press past it",
            {.button = Left, .rows = true, .path = {{200, 50.1}}, .screen = NoDrop});
        row("P: press on the press limit", {.button = Right, .path = {{150, 10}}, .p = {150, 50}});
        row("P: press just short of it",
            {.button = Right, .path = {{150, 9.99}}, .field = NoDrop, .screen = Arrow});
        // Pressed short of depth 100 P goes to depth 50; dragged, it stays at 50 or deeper.
        row("P: press short of 100", {.button = Right, .path = {{50, 99.9}}, .p = {50, 50}});
        row("P: drag to 20", {.button = Right, .path = {{50, 60}, {-20, 20}}, .p = {-20, 50}});
        row("P: dragged up", {.button = Right, .path = {{50, 100}, {-20, -20}}, .p = {50, 100},
                              .screen = NoDrop});
        row("row: no grid",
            {.button = Right, .rows = true, .path = {{123, 476}}, .p = {123, 476}});
        // With the grid ticked a row point goes to the nearest node, halves up.
        row("row, grid: nearest", {.button = Right, .rows = true, .grid = true,
                                   .path = {{123, 476}}, .p = {100, 500}});
        row("row, grid: halfway", {.button = Right, .rows = true, .grid = true,
                                   .path = {{125, 475}}, .p = {150, 500}});
        // The dot follows the hand freely; let go, it goes to the node nearest to it.
        row("row, grid: jitter", {.button = Right, .rows = true, .grid = true,
                                  .path = {{-397, 603}, {-392, 608}}, .p = {-392, 608},
                                  .stored = QPointF(-400, 600)});
        // A finger plays the left button's part above the interface (in row mode down to
        // 50), the right button's below.
        row("finger: eye", {.button = Left, .finger = true, .path = {{200, -300}},
                            .eye = {200, -300}});
        row("finger: P", {.button = Right, .finger = true, .path = {{150, 300}, {-100, 400}},
                          .p = {-100, 400}});
        row("finger: P, short of the press limit",
            {.button = Right, .finger = true, .path = {{150, 5}}, .field = NoDrop, .screen = Arrow});
        row("finger, rows: eye", {.button = Left, .finger = true, .rows = true,
                                  .path = {{200, 40}}, .eye = {200, 40}});
        row("finger, rows, grid: row point", {.button = Right, .finger = true, .rows = true,
                                              .grid = true, .path = {{110, 490}}, .p = {100, 500}});
    }
    void mouse()
    {
        QFETCH(MouseRow, r);
        const auto [button, touch, rows, grid, path, eye, dragged, fieldPointer, screen, stored] = r;
        buttonNamed("pointRowsButton")->setChecked(rows);
        buttonNamed("gridBox")->setChecked(grid);
        field().raster().clear();
        const auto send = [&](FieldEvent::Phase phase, QPointF s) {
            touch ? finger(field(), phase, s) : f->fieldEvent({phase, button, s});
        };
        // a finger lands on a pixel: within a pixel (3.4 units here) of the place
        const auto at = [&](QPointF s, QPointF want) {
            return touch ? QLineF(s, want).length() < 4 : s == want;
        };
        send(FieldEvent::Phase::Press, path.front());
        QCOMPARE(field().pointer(), fieldPointer);
        for (const QPointF &s : path.mid(1))
            send(FieldEvent::Phase::Move, s);
        QVERIFY(at(qp(f->scene().eye()), eye));
        QVERIFY(at(qp(f->scene().objectPoint()), dragged));
        QCOMPARE(ui::screenPointer(), screen);
        send(FieldEvent::Phase::Release, path.back());
        QVERIFY(showsImage(field()));
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(field().pointer(), Arrow);
        const QPointF p = qp(f->scene().objectPoint());
        QVERIFY(at(p, stored.value_or(dragged)));
        QCOMPARE(int(f->scene().rowPoints().size()), int(rows && button == Right));
        if (rows && button == Right)
            QCOMPARE(qp(f->scene().rowPoints().back()), p);
        if (!(rows && button == Left)) {
            QCOMPARE(colourAt(field(), p, kBlack), kWholeBox);
            QVERIFY(imageShown(p));
        }
    }

    // The eye looks along the light it receives: towards the image P' of P (in row mode of the
    // point placed last), or towards P where it has none. So it does while it is dragged, and
    // while P is, and P's red image point follows at once. Here a scene unit is a pixel.
    void eyeLooksAtImage_data()
    {
        QTest::addColumn<bool>("rows");
        QTest::addColumn<MouseButtons>("button");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QPointF>("last");  // the row's last point
        QTest::newRow("eye dragged") << false << Left << QPointF(-800, -100) << QPointF();
        QTest::newRow("P dragged") << false << Right << QPointF(0, 500) << QPointF();
        QTest::newRow("eye dragged, rows")
            << true << Left << QPointF(-800, -100) << QPointF(0, 500);
        QTest::newRow("eye dragged, rows, last point above")
            << true << Left << QPointF(-800, -100) << QPointF(300, -300);
    }
    void eyeLooksAtImage()
    {
        QFETCH(bool, rows);
        QFETCH(MouseButtons, button);
        QFETCH(QPointF, at);
        QFETCH(QPointF, last);
        field().resize(2000, 1960);
        field().setScale(-1000, -980, 1000, 980);
        buttonNamed("pointRowsButton")->setChecked(rows);
        const QPointF earlier(-300, 400);  // a point of the row before its last
        if (rows) {
            click(field(), Qt::RightButton, earlier);
            click(field(), Qt::RightButton, last);
        }
        f->scene().moveEye({-800, -100});  // P (0, 500) seen 37° down, P' 19°
        f->fieldEvent(FieldEvent::press(button, at - QPointF(50, 50)));
        f->fieldEvent(FieldEvent::move(button, at));
        const ImagingScene &s = f->scene();
        const QPointF e = qp(s.eye()), p = qp(s.objectPoint());
        const auto image = optics::imagePoint(s.objectPoint(), s.eye(), s.index());
        QCOMPARE(image.has_value(), p.y() > 0);
        QCOMPARE(colourAt(field(), pupil(e, image ? qp(*image) : p), kBlack), kWholeBox);
        // and nothing is left where the eye was when the window opened
        QCOMPARE(colourAround(field().image(), pixelOf(field(), {300, -500}), kBlack, 60), 0);
        if (rows)  // every point of the row keeps its image point
            QVERIFY(imageShown(earlier));
        if (!image)
            return;
        QCOMPARE(colourAt(field(), pupil(e, p), kBlack), 0);  // not at P, where it looked before
        QVERIFY(imageShown(p));  // and the red image point has followed at once
    }

    // The picture is drawn anew for the index bar, with the grid; the grid goes when unticked.
    void indexAndGrid()
    {
        buttonNamed("gridBox")->click();
        control<QScrollBar>(*f, "indexBar")->setValue(75);
        QVERIFY(imageShown({0, 500}));
        QCOMPARE(colourAt(field(), {0, 500}, kBlack), kWholeBox);
        QCOMPARE(colourAt(field(), {-900, 900}, kBlack, 0), 1);  // a node
        for (const char *mode : {"singlePointsButton", "pointRowsButton"}) {
            buttonNamed(mode)->click();  // P moved, a row point stored, the eye moved:
            for (auto [button, at] : {std::pair{Qt::RightButton, QPointF(200, 600)},
                                      {Qt::LeftButton, QPointF(-600, -400)}}) {
                click(field(), button, at);
                QCOMPARE(colourAt(field(), {-900, 900}, kBlack, 0), 1);  // the grid stays
            }
        }
        buttonNamed("gridBox")->click();
        QCOMPARE(colourAt(field(), {-900, 900}, kBlack, 1), 0);
        QVERIFY(showsImage(field()));
        // Deliberate: the grid goes by overdraw in white, so a node on the interface line or
        // under the point dot keeps a white gap until the picture is drawn anew.
        for (QPointF node : {QPointF(-900, 0), QPointF(200, 600)})
            QCOMPARE(colourAt(field(), node, qRgb(255, 255, 255), 0), 1);
    }

    // A row clicked full and past it, and emptied with "Löschen". A double click stores one
    // point.
    void rowOfPoints()
    {
        buttonNamed("pointRowsButton")->setChecked(true);
        const Path first{{-400, 300}, {200, 600}, {500, -200}};
        doubleClick(field(), Qt::RightButton, first[0]);
        for (const QPointF &s : first.mid(1))
            click(field(), Qt::RightButton, s);
        const auto &row = f->scene().rowPoints();
        QCOMPARE(int(row.size()), 3);
        // the next point's dot, dragged, leaves no trail of dots behind it
        f->fieldEvent(FieldEvent::press(Right, {-700, 700}));
        f->fieldEvent(FieldEvent::move(Right, {-500, 800}));
        f->fieldEvent(FieldEvent::move(Right, {-300, 700}));
        for (QPointF left : {QPointF(-700, 700), QPointF(-500, 800)})
            QCOMPARE(colourAt(field(), left, kBlack), 0);
        QCOMPARE(colourAt(field(), {-300, 700}, kBlack), kWholeBox);
        f->fieldEvent(FieldEvent::release(Right, {-300, 700}));
        QCOMPARE(int(row.size()), 4);
        // drawn anew, a point below the interface shows its image
        control<QScrollBar>(*f, "indexBar")->setValue(75);
        QVERIFY(imageShown(qp(row[0])));
        QVERIFY(imageShown(qp(row[1])));
        for (int i = 5; i <= 100; ++i)
            click(field(), Qt::RightButton, {-900 + 17.0 * i, 100 + 8.0 * i});
        QCOMPARE(int(row.size()), 100);
        const QPointF last = qp(f->scene().objectPoint());
        const QImage full = field().image().copy();
        drag(field(), Qt::RightButton, {{-700, 150}, {-600, 250}});  // the 101st, refused whole
        QCOMPARE(int(row.size()), 100);
        QCOMPARE(qp(f->scene().objectPoint()), last);
        QCOMPARE(field().image(), full);
        QTest::mouseClick(buttonNamed("clearRowButton"), Qt::LeftButton);
        QCOMPARE(colourAround(field().image(), {0, 0}, kRed, 3000), 0);  // no image point
        QCOMPARE(colourAt(field(), first[0], kBlack), 0);
        QCOMPARE(colourAt(field(), last, kBlack), kWholeBox);
        QVERIFY(colourAt(field(), qp(f->scene().eye()) + QPointF(50, 0), kBlack) > 0);
        // the store is empty again: a whole new row of 100 fits
        for (int i = 1; i <= 100; ++i)
            click(field(), Qt::RightButton, {-900 + 17.0 * i, 700});
        QCOMPARE(int(row.size()), 100);
    }
};

QTEST_MAIN(TestImaging)
#include "test_imaging.moc"
