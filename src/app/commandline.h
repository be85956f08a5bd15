// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCommandLineParser;

namespace vistaro {

// The program's options: --help, --help-all and --version, which print and end the program, and
// a site plan file to open. The application's name and version must be set first.
void describeOptions(QCommandLineParser& parser);

// The site plan file the command line names, empty for none.
QString siteFileArgument(const QCommandLineParser& parser);

// Whether the arguments ask only for text (help or version), which needs no display: a
// QCoreApplication then answers them, where a window application would need a screen first.
bool asksForTextOnly(QCommandLineParser& parser, int argc, char* argv[]);

} // namespace vistaro
