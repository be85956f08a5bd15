// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/obbiettivi.h"
#include "state/sharedstate.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("Vistaro"));
    QApplication::setApplicationVersion(QStringLiteral(VISTARO_VERSION));
    QCommandLineParser options;
    vistaro::describeOptions(options);
    if (vistaro::asksForTextOnly(options, argc, argv)) {
        QCoreApplication text(argc, argv);
        options.process(text); // prints and ends the program
    }

    QApplication app(argc, argv);
    options.process(app); // an unknown option: says so and ends the program
    // Lets Wayland compositors match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VISTARO_APP_ID));
    vistaro::ProgramState program;
    vistaro::Obbiettivi window(program);
    window.Form_Load();
    window.hub().offerSiteRecovery();
    if (const QString site = vistaro::siteFileArgument(options); !site.isEmpty())
        window.hub().openSiteFile(site);
    return QApplication::exec();
}
