// How long the things a teacher waits for take: a mouse move with a full
// ray-path scene, with and without bringing it to the screen, the first move
// of a drag, a full redraw, a row-mode release, the imaging eye and P dragged,
// one image point, the start,
// printing and saving. Every figure is also given as a multiple of
// Cls on the same field, the floor that every redraw pays.
#include "control.h"
#include "ui/dialogs.h"
#include "canvas/printer_page.h"
#include "imaging/imaging_window.h"
#include "optics/image_construction.h"
#include "raypath/ray_path_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPaintEvent>
#include <QTest>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

using canvas::FieldEvent;
using Buttons = canvas::MouseButtons;

namespace {

// The field of a 1920 x 1080 screen before any shrinking.
constexpr int kFieldWidth = 1411;
constexpr int kFieldHeight = 1383;

double clsFloorNs = 0;

void sizeField(canvas::DrawingField *field)
{
    field->resize(kFieldWidth, kFieldHeight);
    const double r = double(kFieldWidth) / kFieldHeight;
    field->setScale(-1000, -1000 / r, 1000, 1000 / r);
    field->raster().clear();
}

// A full ray-path scene: 100 rays, all five boxes, 20 markers of each kind.
void fillRayPathScene(raypath::RayPathWindow &f)
{
    for (const char *box : {"refractedBox", "refractedExtensionBox", "reflectedBox",
                            "reflectedExtensionBox", "normalsBox"})
        control<QCheckBox>(f, box)->setChecked(true);
    raypath::RayPathScene &scene = f.scene();
    for (int i = 1; i <= raypath::kMaxRays; ++i)
        scene.fixRayAt(-990.f + 19.8f * i);
    for (int i = 1; i <= raypath::kMaxMarkers; ++i) {
        scene.addPointMarker({-950.f + 90 * i, 700});
        scene.addEyeMarker({-950.f + 90 * i, -700});
    }
}

void fillRayPath(raypath::RayPathWindow &f)
{
    sizeField(control<canvas::DrawingField>(f, "field"));
    fillRayPathScene(f);
}

// Adds up the pixels that paint events of a widget ask for.
class PaintedPixels : public QObject
{
public:
    qint64 pixels = 0;
    qint64 rects = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            for (const QRect &r : static_cast<QPaintEvent *>(e)->region()) {
                pixels += qint64(r.width()) * r.height();
                ++rects;
            }
        return false;
    }
};

// A row of 100 points with the grid on, in row mode.
void fillRow(imaging::ImagingWindow &f)
{
    sizeField(control<canvas::DrawingField>(f, "field"));
    control<QRadioButton>(f, "pointRowsButton")->setChecked(true);
    control<QCheckBox>(f, "gridBox")->setChecked(true);
    for (int i = 1; i <= imaging::kMaxRowPoints; ++i)
        f.scene().storeRowPoint({-900.f + 18 * i, 100.f + 7 * i});
}

class SilentDialogs : public ui::Dialogs
{
public:
    std::optional<QString> askText(const QString &, const QString &) override
    {
        return QStringLiteral("Titel");
    }
    void showMessage(const QString &) override {}
    void showError(const QString &) override {}
    bool askYesNo(const QString &) override { return true; }
    bool choosePrinter(QPrinter *) override { return true; }
};

// Runs `body` for every iteration and reports its time also as a multiple
// of Cls.
template <typename Body>
void timed(benchmark::State &state, Body body)
{
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        body();
    const double ns = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now()
                                                                - start)
                          .count()
                      / double(state.iterations());
    if (clsFloorNs > 0)
        state.counters["x_Cls"] = ns / clsFloorNs;
}

void BM_Cls(benchmark::State &state)
{
    raypath::RayPathWindow f;
    sizeField(control<canvas::DrawingField>(f, "field"));
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        control<canvas::DrawingField>(f, "field")->raster().clear();
        benchmark::DoNotOptimize(control<canvas::DrawingField>(f, "field")->image().constBits());
    }
    clsFloorNs = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
                     .count()
                 / double(state.iterations());
    state.counters["x_Cls"] = 1;
}

void BM_RayPathMouseMove(benchmark::State &state)
{
    raypath::RayPathWindow f;
    fillRayPath(f);
    f.scene().handle(FieldEvent::press(Buttons::Left, QPointF(100, 200)));
    int i = 0;
    timed(state, [&] {
        ++i;
        f.scene().handle(FieldEvent::move(Buttons::Left, QPointF(100.f + i % 50, 200.f + i % 30)));
        benchmark::DoNotOptimize(control<canvas::DrawingField>(f, "field")->image().constBits());
    });
}

// The first move of a drag: the press drew the live ray over the picture,
// so the move erases it and draws the rays anew. Later moves of the drag
// take the live ray back instead.
void BM_RayPathFirstMove(benchmark::State &state)
{
    raypath::RayPathWindow f;
    fillRayPath(f);
    int i = 0;
    timed(state, [&] {
        ++i;
        f.scene().handle(FieldEvent::press(Buttons::Left, QPointF(100, 200)));
        f.scene().handle(FieldEvent::move(Buttons::Left, QPointF(100.f + i % 50, 200.f + i % 30)));
        benchmark::DoNotOptimize(control<canvas::DrawingField>(f, "field")->image().constBits());
    });
}

// An interaction in a shown window laid out for a whole screen, with the
// repaint that follows each event done at once: the program's full share of
// it. The counters are the part of the field repainted per event and the
// rectangles it came in.
template <typename Window, typename Event>
void withRepaint(benchmark::State &state, Window &f, Event event)
{
    auto *field = control<canvas::DrawingField>(f, "field");
    // The field asks for its repaint through the event loop; the window then
    // paints what is due when the platform sends it an update request.
    auto repaintNow = [&f] {
        QCoreApplication::processEvents();
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&f, &request);
    };
    repaintNow();
    PaintedPixels painted;
    field->installEventFilter(&painted);
    int i = 0;
    timed(state, [&] {
        event(++i);
        repaintNow();
    });
    const QSize size = field->size();
    state.counters["rects"] = double(painted.rects) / double(state.iterations());
    state.counters["repainted"] = double(painted.pixels) / double(state.iterations())
                                  / (double(size.width()) * size.height());
    state.SetLabel(QStringLiteral("%1x%2 field").arg(size.width()).arg(size.height()).toStdString());
}

// The full ray-path scene in a shown window on a screen of the benchmark's
// size.
template <typename Event>
void rayPathWithRepaint(benchmark::State &state, Event event)
{
    raypath::RayPathWindow f;
    f.applyLayout(QRect(0, 0, int(state.range(0)), int(state.range(1))));
    fillRayPathScene(f);
    f.show();
    f.scene().redraw();
    event(f, 0);
    withRepaint(state, f, [&](int i) { event(f, i); });
}

// A move of the live ray.
void BM_RayPathMoveRepaint(benchmark::State &state)
{
    rayPathWithRepaint(state, [](raypath::RayPathWindow &f, int i) {
        if (i == 0)
            f.scene().handle(FieldEvent::press(Buttons::Left, QPointF(100, 200)));
        else
            f.scene().handle(FieldEvent::move(Buttons::Left, QPointF(100.f + i % 50, 200.f + i % 30)));
    });
}

// A step of the index bar, as an arrow key makes it: n up and down by 0.01
// in runs of 50.
void BM_RayPathIndexStep(benchmark::State &state)
{
    rayPathWithRepaint(state, [](raypath::RayPathWindow &f, int i) {
        auto *bar = control<QScrollBar>(f, "indexBar");
        bar->setValue(bar->value() + ((i / 50) % 2 ? -1 : 1));
    });
}

// A move of P with the right button held, through the field's signal.
void BM_RayPathObjectDragRepaint(benchmark::State &state)
{
    rayPathWithRepaint(state, [](raypath::RayPathWindow &f, int i) {
        auto *field = control<canvas::DrawingField>(f, "field");
        if (i == 0)
            emit field->fieldEvent(FieldEvent::press(Buttons::Right, QPointF(0, 500)));
        else
            emit field->fieldEvent(FieldEvent::move(Buttons::Right, QPointF(-300.0 + i % 600, 500)));
    });
}

// P dragged across at full load by a finger on a touch screen (range 2: 1),
// through Qt's touch delivery and the field's touch handling, beside the
// same drag with the right button (0). The drag runs where the offscreen
// platform's screen of 800 x 600 takes touches: P starts at (0, 100).
void BM_RayPathTouchDragRepaint(benchmark::State &state)
{
    static QPointingDevice *const screen = QTest::createTouchDevice();
    const bool finger = state.range(2) == 1;
    rayPathWithRepaint(state, [finger](raypath::RayPathWindow &f, int i) {
        auto *field = control<canvas::DrawingField>(f, "field");
        if (i == 0)
            f.scene().moveObject({0, 100});
        const QPointF at(i == 0 ? 0 : -300.0 + (7 * i) % 600, 100);
        const QPoint pixel = field->toPixel(at.x(), at.y());
        if (!finger)
            emit field->fieldEvent(i == 0 ? FieldEvent::press(Buttons::Right, at)
                                          : FieldEvent::move(Buttons::Right, at));
        else if (i == 0)
            QTest::touchEvent(field, screen).press(0, pixel);
        else
            QTest::touchEvent(field, screen).move(0, pixel);
    });
}

// The imaging eye over a row of 100 points with the grid on.
void BM_ImagingEyeDragRepaint(benchmark::State &state)
{
    imaging::ImagingWindow f;
    f.applyLayout(QRect(0, 0, int(state.range(0)), int(state.range(1))));
    f.show();
    control<QRadioButton>(f, "pointRowsButton")->setChecked(true);
    control<QCheckBox>(f, "gridBox")->setChecked(true);
    for (int i = 1; i <= imaging::kMaxRowPoints; ++i)
        f.scene().storeRowPoint({-900.f + 18 * i, 100.f + 7 * i});
    f.fieldEvent(FieldEvent::release(Buttons::Left, QPointF(0, -500)));
    f.fieldEvent(FieldEvent::press(Buttons::Left, QPointF(0, -500)));
    withRepaint(state, f, [&](int i) {
        f.fieldEvent(FieldEvent::move(Buttons::Left, QPointF(-300.f + i % 600, -500.f + i % 300)));
    });
}

void BM_RayPathFullRedraw(benchmark::State &state)
{
    raypath::RayPathWindow f;
    fillRayPath(f);
    timed(state, [&] {
        f.scene().redraw();
        benchmark::DoNotOptimize(control<canvas::DrawingField>(f, "field")->image().constBits());
    });
}

void BM_ImagingRowRelease(benchmark::State &state)
{
    imaging::ImagingWindow f;
    fillRow(f);
    timed(state, [&] {
        f.fieldEvent(FieldEvent::release(Buttons::Left, QPointF(0, -500)));
        benchmark::DoNotOptimize(control<canvas::DrawingField>(f, "field")->image().constBits());
    });
}

// A move of the eye over the full row, and of P in single-point mode with the
// row stored and the grid on: the bundle and the image points follow each move.
void BM_ImagingEyeDrag(benchmark::State &state)
{
    imaging::ImagingWindow f;
    fillRow(f);
    f.fieldEvent(FieldEvent::press(Buttons::Left, QPointF(0, -500)));
    int i = 0;
    timed(state, [&] {
        ++i;
        f.fieldEvent(FieldEvent::move(Buttons::Left, QPointF(-300.f + i % 600, -500.f + i % 300)));
        benchmark::DoNotOptimize(control<canvas::DrawingField>(f, "field")->image().constBits());
    });
}

void BM_ImagingObjectDrag(benchmark::State &state)
{
    imaging::ImagingWindow f;
    fillRow(f);
    control<QRadioButton>(f, "singlePointsButton")->setChecked(true);
    f.fieldEvent(FieldEvent::press(Buttons::Right, QPointF(0, 500)));
    int i = 0;
    timed(state, [&] {
        ++i;
        f.fieldEvent(FieldEvent::move(Buttons::Right, QPointF(-300.f + i % 600, 200.f + i % 500)));
        benchmark::DoNotOptimize(control<canvas::DrawingField>(f, "field")->image().constBits());
    });
}

void BM_ImagePoint(benchmark::State &state)
{
    int i = 0;
    timed(state, [&] {
        ++i;
        const float x = -500.f + float(i % 1000);
        const float d = 100.f + float(i % 700);
        const float xs = optics::findCentralRay(x, d, {300, -500}, 1.33f);
        benchmark::DoNotOptimize(optics::imageFromRayPair(x, d, xs, 1.33f));
    });
}

void BM_StartUp(benchmark::State &state)
{
    timed(state, [&] {
        raypath::RayPathWindow f;
        control<canvas::DrawingField>(f, "field")->requestPaint();
        benchmark::DoNotOptimize(control<canvas::DrawingField>(f, "field")->image().constBits());
    });
}

// The whole print command of a window on a PDF page.
template <typename Form>
void printToPdf(benchmark::State &state, Form &f)
{
    QTemporaryDir dir;
    SilentDialogs dialogs;
    f.setDialogs(&dialogs);
    timed(state, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(canvas::kPdfResolution);
        printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        canvas::PrinterPage page(&printer);
        f.printOut(page);
    });
}

void BM_PrintRayPathToPdf(benchmark::State &state)
{
    raypath::RayPathWindow f;
    fillRayPath(f);
    printToPdf(state, f);
}

void BM_PrintImagingToPdf(benchmark::State &state)
{
    imaging::ImagingWindow f;
    fillRow(f);
    printToPdf(state, f);
}

void BM_SaveBitmap(benchmark::State &state)
{
    QTemporaryDir dir;
    imaging::ImagingWindow f;
    fillRow(f);
    SilentDialogs dialogs;
    f.setDialogs(&dialogs);
    // A bare name goes to the desktop or the home folder: here a temporary one.
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    timed(state, [&] { f.saveBitmap(); });
    qputenv("HOME", home);
    if (!config.isNull())
        qputenv("XDG_CONFIG_HOME", config);
}

}  // namespace

BENCHMARK(BM_Cls)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RayPathMouseMove)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RayPathFirstMove)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RayPathMoveRepaint)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RayPathIndexStep)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RayPathObjectDragRepaint)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RayPathTouchDragRepaint)
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImagingEyeDragRepaint)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RayPathFullRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImagingRowRelease)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImagingEyeDrag)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImagingObjectDrag)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImagePoint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintRayPathToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintImagingToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBitmap)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
