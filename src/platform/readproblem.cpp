// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/readproblem.h"

#include <QDir>

namespace vistaro {

ReadProblem ReadProblem::within(const QString& outer) const {
    return {file, where.isEmpty() ? outer : outer + u'.' + where, fault};
}

ReadProblem ReadProblem::inFile(const QString& path) const {
    return {path, where, fault};
}

QString ReadProblem::message() const {
    if (isEmpty())
        return {};
    const QString what = where.isEmpty() ? fault : where + QStringLiteral(": ") + fault;
    return file.isEmpty() ? what
                          : tr("The file \"%1\" could not be read: %2")
                                .arg(QDir::toNativeSeparators(file), what);
}

} // namespace vistaro
