// Renders a fixed set of scripted scenes of both views and writes what each
// produces: the field's image (PNG), the page as a list of drawing calls, and
// the saved bitmap. Two runs of different builds are compared with `cmp`, to
// show that a change of the code's shape left every pixel where it was.
// Usage: tavrix_scene_snapshots OUTPUT_FOLDER (under QT_QPA_PLATFORM=offscreen)
#include "control.h"
#include "imaging/imaging_window.h"
#include "raypath/ray_path_window.h"
#include "recording_surface.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextStream>
#include <cstdio>

namespace {

QDir out;
int shot = 0;

// One drawing call as a line: kind, coordinates, colour, pen width and style, text.
QString describe(const DrawOp &op)
{
    static const char *names[] = {"clear", "line", "circle", "dot", "text", "disc"};
    return QStringLiteral("%1 (%2, %3)-(%4, %5) rgb %6 w%7 s%8 %9")
        .arg(QLatin1String(names[op.kind])).arg(op.x1).arg(op.y1).arg(op.x2).arg(op.y2)
        .arg(op.colour & 0xffffff, 6, 16, QLatin1Char('0'))
        .arg(op.width).arg(int(op.style)).arg(op.text);
}

void savePage(const QString &name, const RecordingPage &page)
{
    QFile file(out.filePath(name + ".txt"));
    file.open(QIODevice::WriteOnly);
    QTextStream s(&file);
    for (const DrawOp &op : page.ops)
        s << describe(op) << ' ' << op.text << '\n';
}

void saveImage(const QString &name, const QImage &image)
{
    image.save(out.filePath(QStringLiteral("%1-%2.png").arg(++shot, 2, 10, QChar('0')).arg(name)));
}

void saveField(const QString &name, canvas::DrawingField *field)
{
    saveImage(name, field->image());
}

// --- The views as the current code names them. -----------------------------
using RayWindow = raypath::RayPathWindow;
using ImagingWindow = imaging::ImagingWindow;
canvas::DrawingField *field(QWidget &w) { return control<canvas::DrawingField>(w, "field"); }
using canvas::MouseButtons;
using canvas::FieldEvent;
void press(QWidget &w, int b, float x, float y) {
    emit field(w)->fieldEvent(FieldEvent::press(MouseButtons(b), QPointF(x, y)));
}
void move(QWidget &w, int b, float x, float y) {
    emit field(w)->fieldEvent(FieldEvent::move(MouseButtons(b), QPointF(x, y)));
}
void release(QWidget &w, int b, float x, float y) {
    emit field(w)->fieldEvent(FieldEvent::release(MouseButtons(b), QPointF(x, y)));
}
template <typename W> void printTo(W &w, RecordingPage &page) { w.printOut(page); }
template <typename W> void setDialogs(W &w, ui::Dialogs *d) { w.setDialogs(d); }
// The palettes: the eye box and the point box.
using Palette = ui::SymbolButton;
QList<Palette *> palettes(RayWindow &w)
{
    return {control<Palette>(w, "eyeSymbolBox"), control<Palette>(w, "pointSymbolBox")};
}
const QImage &paletteImage(Palette *p) { return p->symbolImage(); }
// ----------------------------------------------------------------------------

template <typename W> void click(W &w, int b, float x, float y)
{
    press(w, b, x, y);
    release(w, b, x, y);
}

template <typename W> void drag(W &w, int b, QPointF from, QPointF to)
{
    press(w, b, from.x(), from.y());
    for (int i = 1; i <= 5; ++i) {
        const QPointF p = from + (to - from) * i / 5.0;
        move(w, b, p.x(), p.y());
        if (i == 3)
            saveField(QStringLiteral("mid-drag"), field(w));
    }
    release(w, b, to.x(), to.y());
}

template <typename W> QList<QAbstractButton *> buttons(W &w, const QString &caption)
{
    QList<QAbstractButton *> found;
    for (QAbstractButton *b : w.template findChildren<QAbstractButton *>())
        if (b->text() == caption)
            found << b;
    return found;
}

template <typename W> void page(W &w, const QString &name)
{
    ScriptedDialogs dialogs({QStringLiteral("Titel"), QStringLiteral(" der Seite")});
    setDialogs(w, &dialogs);
    RecordingPage p;
    printTo(w, p);
    savePage(name, p);
    saveField(name + "-after-print", field(w));
    setDialogs(w, nullptr);
}

void rayPath()
{
    RayWindow w;
    w.show();
    canvas::DrawingField *f = field(w);
    saveField("ray-start", f);
    for (QCheckBox *c : w.findChildren<QCheckBox *>())
        c->setChecked(true);
    saveField("ray-all-boxes", f);
    for (float x : {-700.f, -300.f, -50.f, 200.f, 450.f, 900.f})
        click(w, 1, x, 0);
    saveField("ray-rays", f);
    drag(w, 1, {100, 100}, {600, -100});
    saveField("ray-live-released", f);
    w.findChild<QScrollBar *>()->setValue(80);
    saveField("ray-n080", f);
    drag(w, 2, {0, 500}, {-200, -400});
    saveField("ray-p-above", f);
    w.findChild<QScrollBar *>()->setValue(150);
    saveField("ray-n150-above", f);
    page(w, "ray-page-above");
    drag(w, 2, {-200, -400}, {100, 300});
    saveField("ray-p-below", f);
    page(w, "ray-page-below");
    buttons(w, QStringLiteral("Strahlen löschen")).front()->click();
    saveField("ray-cleared", f);
}

void rayMarkers()
{
    RayWindow w;
    w.show();
    canvas::DrawingField *f = field(w);
    click(w, 1, 300, 0);
    for (Palette *p : palettes(w)) {
        QMouseEvent down(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(p, &down);
        QCoreApplication::sendEvent(p, &up);
        saveImage("marker-palette", paletteImage(p));
        drag(w, 1, {-400, -300}, {-100, 400});
        saveField("marker-placed", f);
    }
    page(w, "marker-page");
    buttons(w, QStringLiteral("Markierungen löschen")).front()->click();
    saveField("marker-cleared", f);
}

void imagingView(const QString &bitmapFolder)
{
    ImagingWindow w;
    w.show();
    canvas::DrawingField *f = field(w);
    saveField("img-start", f);
    w.findChild<QScrollBar *>()->setValue(102);
    saveField("img-n102", f);
    w.findChild<QScrollBar *>()->setValue(75);
    saveField("img-n075", f);
    drag(w, 1, {300, -500}, {-400, -300});
    saveField("img-eye", f);
    drag(w, 2, {0, 500}, {200, 700});
    saveField("img-p", f);
    page(w, "img-page-single");
    buttons(w, QStringLiteral("Punktreihen")).front()->click();
    buttons(w, QStringLiteral("Raster")).front()->click();
    saveField("img-rows-grid", f);
    for (int i = 0; i < 6; ++i)
        click(w, 2, -500.f + 170 * i, 300.f + 37 * i);
    click(w, 2, 100, -200);
    saveField("img-row", f);
    drag(w, 1, {-400, -300}, {100, 40});
    saveField("img-row-eye-low", f);
    page(w, "img-page-rows");
    buttons(w, QStringLiteral("Raster")).front()->click();
    saveField("img-grid-off", f);
    ScriptedDialogs dialogs({QDir(bitmapFolder).filePath("bild.bmp")});
    dialogs.yes = true;  // a bild.bmp of an earlier run is replaced
    setDialogs(w, &dialogs);
    buttons(w, QStringLiteral("Bild alsDatei")).front()->click();
    setDialogs(w, nullptr);
    buttons(w, QStringLiteral("Löschen")).front()->click();
    saveField("img-cleared", f);
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    out = QDir(QString::fromLocal8Bit(argv[1]));
    rayPath();
    rayMarkers();
    imagingView(out.path());
    return 0;
}
