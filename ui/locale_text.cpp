// The decimal separator of the user's locale, reduced to the one ASCII
// character that the number text of the core writes and expects.
#include "ui/locale_text.h"

namespace quantiva {

char LocaleDecimalSeparator(const QLocale& Locale) {
    const QString Point = Locale.decimalPoint();
    if (Point.size() == 1 && Point.at(0).unicode() > 0x20 && Point.at(0).unicode() < 0x7F)
        return static_cast<char>(Point.at(0).unicode());
    return '.';
}

}  // namespace quantiva
