// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

namespace vistaro {

// Why a file, or content read otherwise, is refused: kept apart so that a reader of a reader
// (a site file holding a level set) places the fault in its own content without taking a
// message apart.
struct ReadProblem {
    Q_DECLARE_TR_FUNCTIONS(vistaro::ReadProblem)

public:
    QString file;  // the file read; empty for content not read from a file
    QString where; // the key path at fault ("levels[2].density"); empty for the whole content
    QString fault; // what is wrong there; empty when nothing is

    bool isEmpty() const { return fault.isEmpty(); }
    bool operator==(const ReadProblem&) const = default;

    // The same fault with the content placed under the key path `outer`.
    ReadProblem within(const QString& outer) const;
    // The same fault, the content read from `path`.
    ReadProblem inFile(const QString& path) const;
    // For the user, the file named first: "The file "x" could not be read: levels[2].density:
    // not a positive number". Empty when nothing is wrong.
    QString message() const;
};

} // namespace vistaro
