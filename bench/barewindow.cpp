// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline window program: a QMainWindow with nothing in it. When idling it runs an empty
// 50 ms timer, the tick rate an idle window of the program is allowed.
#include "windowprobe.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const vistaro::bench::ProbeMode mode = vistaro::bench::probeModeFromArguments();
    QMainWindow window;
    QTimer tick;
    tick.setInterval(50);
    if (mode.idle)
        tick.start();
    vistaro::bench::WindowProbe probe(window, mode);
    window.show();
    return QApplication::exec();
}
