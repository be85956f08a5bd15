// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <cstdint>

class QWidget;

namespace vistaro::bench {

// The peak resident set size of this process image (VmHWM) in KiB, "-1" when unknown.
// getrusage's ru_maxrss would not do: it keeps the peak of the forked copy of the parent that the
// program was started from.
QByteArray peakRssKiB();

// What a window program measures, from its command line: "startup" ends it at the window's first
// paint; "idle MS" keeps it running MS milliseconds after that paint and reports the CPU time
// (user + system) it used meanwhile.
struct ProbeMode {
    bool idle = false;
    int idleMs = 0;
};

// Reads QCoreApplication::arguments(); anything else than "idle MS" means "startup".
ProbeMode probeModeFromArguments();

// Watches the application's paint events. At the first one for `window` or one of its children
// it writes the line "painted" to standard output (the parent times the start-up by it), then
// ends the program once that paint is done, having written "peak-rss-kib N" ("startup"), or
// after the idle time, having written "idle-cpu-us N".
class WindowProbe : public QObject {
public:
    WindowProbe(const QWidget& window, ProbeMode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void endIdle();

    const QWidget& m_window;
    ProbeMode m_mode;
    bool m_painted = false;
    std::int64_t m_cpuAtIdleUs = 0;
};

} // namespace vistaro::bench
