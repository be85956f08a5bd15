// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace vistaro {

void describeOptions(QCommandLineParser& parser) {
    // English: the interface language comes from the settings, read after the options.
    parser.setApplicationDescription(QStringLiteral("Lens calculator for CCTV cameras."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A site plan (.vistaro) to open in the site plan "
                                                "window."),
                                 QStringLiteral("[file]"));
}

QString siteFileArgument(const QCommandLineParser& parser) {
    return parser.positionalArguments().value(0);
}

bool asksForTextOnly(QCommandLineParser& parser, int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Qt's own options (-platform, -style...) are unknown here, so the result of parse() is not
    // an answer; the application object checks the options again once it has taken them out.
    parser.parse(arguments);
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
           parser.isSet(QStringLiteral("version"));
}

} // namespace vistaro
