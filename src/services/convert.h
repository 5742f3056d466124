#pragma once

#include <QString>

// Strict text-to-integer conversion: optional leading spaces, an optional sign, then either
// decimal digits or a hexadecimal number written "$1F" or "0x1F". Anything else, the empty
// text, trailing characters and values outside the signed 32-bit range throw EConvertError
// with the message "'<text>' は整数ではありません".
int StrToInt(const QString& text);
