// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "runtime/runtimeerror.h"

#include <QString>
#include <QStringView>

namespace rt {

// Reads the number at the start of text, ignoring whatever follows it
// ("145abc" is 145). Text that does not start with a number reads as 0.
// Spaces, line breaks and invisible characters before the number are
// skipped. Full-width digits, signs and points typed through an input
// method, and the minus sign U+2212, count as their ASCII twins. The result
// does not depend on the locale. A number beyond the double range is an
// overflow error, never infinity.
Number val(QStringView text);

// Text without the spaces, line breaks and invisible characters that the
// number reading skips, at either end.
QString trim(QStringView text);

} // namespace rt
