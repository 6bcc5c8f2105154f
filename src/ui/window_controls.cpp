#include "ui/window_controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

namespace ui {

namespace {

template <typename W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

QLabel *makeLabel(QWidget *parent, const char *name, const char *text)
{
    return named(new QLabel(QString::fromUtf8(text), parent), name);
}

QLabel *makeFieldLabel(QWidget *field, const char *name, const char *text)
{
    QLabel *l = makeLabel(field, name, text);
    l->setAutoFillBackground(true);
    setBackground(l, QPalette::Window, Qt::white);
    setBackground(l, QPalette::WindowText, Qt::black);
    return l;
}

QPushButton *makeButton(QWidget *parent, const char *name, const char *text)
{
    return named(new QPushButton(QString::fromUtf8(text), parent), name);
}

QCheckBox *makeCheckBox(QWidget *parent, const char *name, const char *text, bool ticked)
{
    QCheckBox *c = named(new QCheckBox(QString::fromUtf8(text), parent), name);
    c->setChecked(ticked);
    return c;
}

QLineEdit *makeIndexBox(QWidget *parent, const char *name, QColor background)
{
    QLineEdit *t = named(new QLineEdit(parent), name);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::NoFocus);
    if (background.isValid())
        setBackground(t, QPalette::Base, background);
    return t;
}

QScrollBar *makeIndexScrollBar(QWidget *parent)
{
    QScrollBar *bar = named(new QScrollBar(Qt::Horizontal, parent), "indexBar");
    bar->setRange(50, 200);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setValue(kInitialIndexBarValue);
    // A scroll bar's keys run backwards by default (Right lowers the value);
    // here they move the thumb, and n, the way they point.
    bar->setInvertedControls(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(QStringLiteral("Brechzahl n"));
    return bar;
}

void setBackground(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

void chainTabOrder(std::initializer_list<QWidget *> controls)
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

QRect sceneBox(const DrawingField &field, const QRectF &scene)
{
    return QRect(field.toPixel(scene.left(), scene.top()),
                 field.toPixel(scene.right(), scene.bottom()));
}

}  // namespace ui
