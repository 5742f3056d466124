#include "services/convert.h"

#include "services/exceptions.h"

#include <QCoreApplication>
#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t kMaxMagnitude = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;

// The value of an ASCII digit in the given base, or -1. Full-width digits are not digits here.
int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

EConvertError NotAnInteger(const QString& text)
{
    return EConvertError(QCoreApplication::translate("Convert", "'%1' は整数ではありません").arg(text));
}

} // namespace

int StrToInt(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && text.at(at) == u' ')
        ++at;

    bool negative = false;
    if (at < text.size() && (text.at(at) == u'+' || text.at(at) == u'-')) {
        negative = text.at(at) == u'-';
        ++at;
    }

    int base = 10;
    if (at < text.size() && text.at(at) == u'$') {
        base = 16;
        ++at;
    } else if (at + 1 < text.size() && text.at(at) == u'0' && (text.at(at + 1) == u'x' || text.at(at + 1) == u'X')) {
        base = 16;
        at += 2;
    }

    if (at == text.size())
        throw NotAnInteger(text);
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text.at(at), base);
        if (digit < 0)
            throw NotAnInteger(text);
        magnitude = magnitude * base + digit;
        if (magnitude > kMaxMagnitude)
            throw NotAnInteger(text);
    }
    if (!negative && magnitude == kMaxMagnitude)
        throw NotAnInteger(text);
    return static_cast<int>(negative ? -magnitude : magnitude);
}
