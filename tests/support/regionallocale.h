#pragma once

#include <QLocale>
#include <QString>

// Tables are written for a locale with a decimal point and a "," group mark; the comma locale
// runs the same rows with "." and "," swapped in every text.
namespace vistaro::test {

inline QString regional(QString text, bool comma) {
    if (comma)
        for (QChar& c : text)
            c = c == u'.' ? QChar(u',') : c == u',' ? QChar(u'.') : c;
    return text;
}

inline void useLocale(bool comma) {
    QLocale::setDefault(comma ? QLocale(QLocale::Italian, QLocale::Italy)
                              : QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace vistaro::test
