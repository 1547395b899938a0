// Text between Qt and the toolkit-free core: UTF-8 conversion and the
// user's locale decimal separator, used both for writing and for parsing.
#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

namespace quantiva {

// The locale's decimal separator as the core's single character; '.' when
// the locale's separator is not one ASCII character.
char LocaleDecimalSeparator(const QLocale& Locale = QLocale::system());

inline QString ToQString(std::string_view Text) {
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

inline std::string ToStdString(const QString& Text) { return Text.toUtf8().toStdString(); }

}  // namespace quantiva
