#pragma once

#include "runtime/runtimeerror.h"

#include <QString>
#include <QStringView>

namespace rt {

// Reads the number at the start of text, ignoring whatever follows it
// ("145abc" is 145). Text that does not start with a number reads as 0.
// Full-width digits, signs and points typed through an input method count
// as their ASCII twins. The result does not depend on the locale. A number
// beyond the double range is an overflow error, never infinity.
Number val(QStringView text);

// Text without leading and trailing spaces (ASCII and full-width).
QString trim(QStringView text);

} // namespace rt
