#pragma once

#include <QtGlobal>

namespace vistaro::test {

// The offscreen platform cannot pass a fixed-size window's size hints on, nor raise a window, and
// says so each time; every other message reaches the test log as before.
inline void quietOffscreen() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message == QLatin1String("This plugin does not support propagateSizeHints()") ||
                message == QLatin1String("This plugin does not support raise()"))
                return;
            previous(type, context, message);
        });
}

} // namespace vistaro::test
