// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogueloader.h"

#include "platform/textlines.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringView>
#include <array>

namespace vistaro {

namespace {

constexpr QChar Tab = u'\t';

// A catalogue repeats a few texts in every column but the name: each is kept once and shared,
// which spares the load and the memory an allocation a field.
class SharedTexts {
public:
    QString operator()(QStringView text) {
        auto found = m_kept.constFind(text);
        if (found == m_kept.constEnd())
            found = m_kept.insert(text, text.toString());
        return *found;
    }

private:
    // The keys are views into the text being read, which outlives the table.
    QHash<QStringView, QString> m_kept;
};

// Splits one catalogue line. A field runs up to the next tab; one or two tabs make one
// separator. The ninth field (Note) takes the rest of the line, tabs included. A line that ends
// early fills the fields it has; the others stay empty.
LensRecord parseLine(QStringView line, SharedTexts& shared) {
    LensRecord record;
    // File columns 1 to 8; column 9 is the note.
    const std::array<QString*, 8> columns = {&record.TypeCode, &record.Name,     &record.Iris,
                                             &record.FocalMin, &record.FocalMax, &record.FStop,
                                             &record.MinFocus, &record.PdfFolder};
    const qsizetype size = line.size();
    qsizetype start = 0;
    for (QString* field : columns) {
        qsizetype end = start;
        while (end < size && line[end] != Tab)
            ++end;
        const QStringView text = line.sliced(start, end - start);
        *field = field == &record.Name ? text.toString() : shared(text);
        if (end == size)
            return record;
        start = end + 1;
        if (start < size && line[start] == Tab)
            ++start;
    }
    record.Note = shared(line.sliced(start));
    return record;
}

struct BoundPair {
    std::int16_t* first;
    std::int16_t* last;
};

// Case-sensitive: only the four codes as written here have bounds.
std::optional<BoundPair> boundsOf(const QString& typeCode, BlockBounds& bounds) {
    if (typeCode == u"FF")
        return BoundPair{&bounds.FirstFF, &bounds.LastFF};
    if (typeCode == u"HSP")
        return BoundPair{&bounds.FirstHSP, &bounds.LastHSP};
    if (typeCode == u"VAR")
        return BoundPair{&bounds.FirstVAR, &bounds.LastVAR};
    if (typeCode == u"ZOOM")
        return BoundPair{&bounds.FirstZOOM, &bounds.LastZOOM};
    return std::nullopt;
}

// A block begins wherever the type differs from the previous row's; the last row of a known
// type ends its block. A type that appears in several blocks keeps the last one.
void updateBounds(const Catalogue& catalogue, std::int16_t lineCount, BlockBounds& bounds) {
    QString blockType;
    for (std::int16_t i = 0; i < lineCount; ++i) {
        const QString& typeCode = catalogue[i].TypeCode;
        const std::optional<BoundPair> pair = boundsOf(typeCode, bounds);
        if (typeCode != blockType) {
            if (pair)
                *pair->first = i;
            blockType = typeCode;
        }
        if (pair)
            *pair->last = i;
    }
}

// Empty when none of the folders has the file.
QString firstFileIn(const QString& fileName, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString folderList(const QStringList& folders) {
    QStringList shown;
    for (const QString& folder : folders)
        shown.append(QStringLiteral("  ") + QDir::toNativeSeparators(folder));
    return shown.join(u'\n');
}

} // namespace

QString catalogueFileName(const QString& decimalSeparator) {
    return decimalSeparator == u"," ? QStringLiteral("Obbiettivi1.txt")
                                    : QStringLiteral("Obbiettivi2.txt");
}

std::optional<QString> CaricaDatiDa(const QString& fileName, const QStringList& folders,
                                    Catalogue& catalogue, BlockBounds& bounds) {
    const QString path = firstFileIn(fileName, folders);
    std::optional<QString> message;
    QString text;
    if (path.isEmpty()) {
        message = QStringLiteral("The lens catalogue \"%1\" was not found in any of these "
                                 "folders:\n%2")
                      .arg(fileName, folderList(folders));
    } else {
        QString error;
        if (std::optional<QString> read = readText(path, &error))
            text = std::move(*read);
        else
            message = QStringLiteral("The lens catalogue \"%1\" could not be read: %2\nFolders "
                                     "searched:\n%3")
                          .arg(QDir::toNativeSeparators(path), error, folderList(folders));
    }

    QList<QStringView> lines = lineViews(text);
    if (lines.size() > MaxCatalogueLines) {
        message = QStringLiteral("The lens catalogue \"%1\" has %2 lines; only the first %3 "
                                 "were loaded, the rest was not loaded.")
                      .arg(QDir::toNativeSeparators(path), QString::number(lines.size()),
                           QString::number(MaxCatalogueLines));
        lines.resize(MaxCatalogueLines);
    }

    const auto lineCount = static_cast<std::int16_t>(lines.size());
    Catalogue loaded;
    loaded.reserve(lineCount + 2);
    SharedTexts shared;
    for (const QStringView line : lines)
        loaded.append(parseLine(line, shared));
    loaded.resize(lineCount + 2);
    updateBounds(loaded, lineCount, bounds);
    catalogue = std::move(loaded);
    return message;
}

} // namespace vistaro
