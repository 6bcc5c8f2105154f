// Helpers of the data-driven tests of the pure physics.
#pragma once

#include <QtTest>

#include <cmath>
#include <initializer_list>

// Fails with both values when actual is farther than tol from expected.
#define CHECK_NEAR(actual, expected, tol)                                                    \
    QVERIFY2(std::abs(double(actual) - double(expected)) <= (tol),                           \
             qPrintable(QStringLiteral("%1 = %2, expected %3").arg(QLatin1String(#actual))   \
                            .arg(double(actual), 0, 'f', 5).arg(double(expected), 0, 'f', 5)))

// Adds a column of doubles for each name.
inline void doubleColumns(std::initializer_list<const char *> names)
{
    for (const char *name : names)
        QTest::addColumn<double>(name);
}
