// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

namespace vistaro::bench {

namespace {

std::int64_t cpuTimeUs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval& t) {
        return static_cast<std::int64_t>(t.tv_sec) * 1'000'000 + t.tv_usec;
    };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

void report(const QByteArray& line) {
    std::fputs(line.constData(), stdout);
    std::fflush(stdout);
}

} // namespace

QByteArray peakRssKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0);
    return QByteArrayLiteral("-1");
}

ProbeMode probeModeFromArguments() {
    const QStringList arguments = QCoreApplication::arguments();
    ProbeMode mode;
    if (arguments.size() >= 3 && arguments[1] == u"idle") {
        mode.idle = true;
        mode.idleMs = arguments[2].toInt();
    }
    return mode;
}

WindowProbe::WindowProbe(const QWidget& window, ProbeMode mode) : m_window(window), m_mode(mode) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool WindowProbe::eventFilter(QObject* watched, QEvent* event) {
    if (m_painted || event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    if (static_cast<const QWidget*>(watched)->window() != &m_window)
        return false;
    m_painted = true;
    QCoreApplication::instance()->removeEventFilter(this);
    report("painted\n");
    if (m_mode.idle) {
        // Idle starts once start-up is over: the program applies its language file half a
        // second after the first paint, and that repaint is start-up work, not idling.
        constexpr int SettleMs = 1000;
        QTimer::singleShot(SettleMs, this, [this] {
            m_cpuAtIdleUs = cpuTimeUs();
            QTimer::singleShot(m_mode.idleMs, this, [this] { endIdle(); });
        });
    } else {
        // Once the paint has reached the screen.
        QTimer::singleShot(0, this, [] {
            report("peak-rss-kib " + peakRssKiB() + '\n');
            QCoreApplication::exit(0);
        });
    }
    return false;
}

void WindowProbe::endIdle() {
    const std::int64_t used = cpuTimeUs() - m_cpuAtIdleUs;
    report("idle-cpu-us " + QByteArray::number(used) + '\n');
    QCoreApplication::exit(0);
}

} // namespace vistaro::bench
