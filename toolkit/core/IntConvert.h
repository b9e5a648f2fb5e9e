#pragma once

#include <QString>

// Integer text as the program accepts it: leading blanks, an optional sign and
// decimal digits, or a hexadecimal number after "$", "x" or "0x" (either case).
// Anything else, an empty text or a value outside 32 bits raises a UserError
// with "'<text>' is not a valid integer value".
int StrToInt(const QString& text);
