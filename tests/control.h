// A window's control found by its object name, as the tests, tools and
// benchmarks reach the controls the windows keep to themselves.
#pragma once

#include <QWidget>
#include <cstdlib>
#include <cstdio>

template <typename T = QWidget>
T *control(QWidget &window, const char *name)
{
    T *c = window.findChild<T *>(QString::fromLatin1(name));
    if (!c) {
        std::fprintf(stderr, "no control named %s\n", name);
        std::abort();
    }
    return c;
}
