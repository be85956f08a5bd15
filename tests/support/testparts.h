// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QByteArrayList>
#include <QMetaMethod>
#include <QStringList>
#include <QTest>

namespace vistaro::test {

// The arguments that run this run's part of `test`'s functions: with VISTARO_TEST_PART="2/3",
// the second of every three, so that a suite of many window cases runs as parts that each stay
// well within a test's time limit under the sanitizers. Functions named on the command line, or
// no part, run as given.
inline QStringList partArguments(const QObject& test, int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QByteArrayList part = qgetenv("VISTARO_TEST_PART").split('/');
    const int count = part.size() == 2 ? part[1].toInt() : 0;
    if (argc > 1 || count < 1)
        return arguments;
    const int index = part[0].toInt() - 1;
    const QByteArrayList fixtures{"initTestCase", "cleanupTestCase", "init", "cleanup"};
    const QMetaObject* meta = test.metaObject();
    int place = 0;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        const QByteArray name = method.name();
        if (method.methodType() != QMetaMethod::Slot || method.access() != QMetaMethod::Private ||
            name.endsWith("_data") || fixtures.contains(name))
            continue;
        if (place++ % count == index)
            arguments << QString::fromLatin1(name);
    }
    return arguments;
}

} // namespace vistaro::test

// QTEST_MAIN for a window suite run in parts (vistaro_add_test's PARTS).
#define VISTARO_TEST_MAIN_IN_PARTS(TestObject)                                                     \
    int main(int argc, char* argv[]) {                                                             \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, vistaro::test::partArguments(test, argc, argv));                \
    }
