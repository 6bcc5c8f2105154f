#include "canvas/window_controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

namespace canvas {

namespace {

template <typename W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

QLabel *MakeLabel(QWidget *parent, const char *name, const char *text)
{
    return named(new QLabel(QString::fromUtf8(text), parent), name);
}

QLabel *MakeFieldLabel(QWidget *field, const char *name, const char *text)
{
    QLabel *l = MakeLabel(field, name, text);
    l->setAutoFillBackground(true);
    SetBackground(l, QPalette::Window, Qt::white);
    SetBackground(l, QPalette::WindowText, Qt::black);
    return l;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const char *text)
{
    return named(new QPushButton(QString::fromUtf8(text), parent), name);
}

QCheckBox *MakeCheckBox(QWidget *parent, const char *name, const char *text, bool ticked)
{
    QCheckBox *c = named(new QCheckBox(QString::fromUtf8(text), parent), name);
    c->setChecked(ticked);
    return c;
}

QLineEdit *MakeIndexBox(QWidget *parent, const char *name, QColor background)
{
    QLineEdit *t = named(new QLineEdit(parent), name);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::NoFocus);
    if (background.isValid())
        SetBackground(t, QPalette::Base, background);
    return t;
}

QScrollBar *MakeIndexScrollBar(QWidget *parent, int value)
{
    QScrollBar *bar = named(new QScrollBar(Qt::Horizontal, parent), "HScroll1");
    bar->setRange(50, 200);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setValue(value);
    // A scroll bar's keys run backwards by default (Right lowers the value);
    // here they move the thumb, and n, the way they point.
    bar->setInvertedControls(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(QStringLiteral("Brechzahl n"));
    return bar;
}

void SetBackground(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

void ChainTabOrder(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *w : controls) {
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            b->setAccessibleName(b->text());
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QRect SceneBox(const DrawingField &field, const QRectF &scene)
{
    return QRect(field.toPixel(scene.left(), scene.top()),
                 field.toPixel(scene.right(), scene.bottom()));
}

}  // namespace canvas
