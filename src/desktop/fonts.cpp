#include "desktop/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>

#include <cstdint>
#include <cstdlib>

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = std::int64_t(number) * numerator;
    std::int64_t quotient = product / denominator;
    const std::int64_t remainder = product % denominator;
    if (2 * std::llabs(remainder) >= std::llabs(denominator))
        quotient += ((product < 0) != (denominator < 0)) ? -1 : 1;
    return int(quotient);
}

int FontHeightFromPoints(int points)
{
    return MulDiv(points, 96, 72);
}

int FontPointsFromHeight(int height)
{
    return MulDiv(height, 72, 96);
}

void InstallFontSubstitutions()
{
    // Ume's Latin glyphs have the widths the layout's label slots were measured with; IPA's are
    // wider, so IPA is only the fallback for a system without Ume.
    QFont::insertSubstitutions(
        kPGothic, {QStringLiteral("Ume P Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(
        kPMincho, {QStringLiteral("Ume P Mincho"), QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho")});
    QFont::insertSubstitutions(
        kGothic, {QStringLiteral("Ume Gothic"), QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")});
}

bool SubstituteInstalled(const QString& family)
{
    const QStringList substitutes = QFont::substitutes(family);
    return std::any_of(substitutes.begin(), substitutes.end(),
                       [](const QString& substitute) { return QFontDatabase::hasFamily(substitute); });
}

QFont MakeFont(const QString& family, int height, bool bold)
{
    QFont font(family);
    font.setPixelSize(height);
    font.setBold(bold);
    // The game's fonts hold every character of its texts; sparing Qt the search for fallback
    // fonts makes the window come up sooner.
    font.setStyleStrategy(SubstituteInstalled(family) ? QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging)
                                                      : QFont::NoAntialias);
    return font;
}

QStringList LanguageFamilies(const QString& language)
{
    if (language.isEmpty())
        return {};
    switch (QLocale(language).script()) {
    case QLocale::SimplifiedHanScript:
    case QLocale::TraditionalHanScript:
    case QLocale::KoreanScript:
    case QLocale::CyrillicScript:
        // A few megabytes for all of Chinese and Hangul, with proportional Cyrillic; Chinese drawn in
        // a Chinese font throughout, not in Ume's Japanese forms wherever Japanese shares a character.
        return {QStringLiteral("WenQuanYi Micro Hei")};
    default: return {};
    }
}

QFont MakeTextFont(const QString& family, int height, const QString& language)
{
    QFont font = MakeFont(family, height);
    if (const QStringList own = LanguageFamilies(language); !own.isEmpty()) {
        font.setFamilies(own + font.families());
        // Without the language's font, the layout's draws what it has and other fonts the rest.
        if (!QFontDatabase::hasFamily(own.first()))
            font.setStyleStrategy(QFont::NoAntialias);
    }
    return font;
}

void InstallLanguageFont(const QString& language)
{
    if (const QStringList own = LanguageFamilies(language); !own.isEmpty()) {
        QFont font = QGuiApplication::font();
        font.setFamilies(own + font.families());
        QGuiApplication::setFont(font);
    }
}
