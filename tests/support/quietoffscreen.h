#pragma once

#include <QtGlobal>

namespace vistaro::test {

// The offscreen platform cannot pass a fixed-size window's size hints on and says so each time
// a window's fixed size changes; every other message reaches the test log as before.
inline void quietOffscreenSizeHints() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
                return;
            previous(type, context, message);
        });
}

} // namespace vistaro::test
