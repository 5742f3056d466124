#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Font sizes follow the original screen of 96 pixels per inch, whatever the real screen says.

// The platform's MulDiv: number * numerator / denominator, rounded half away from zero.
int MulDiv(int number, int numerator, int denominator);

// Character height in pixels of a font of the given point size, and back.
int FontHeightFromPoints(int points);
int FontPointsFromHeight(int height);

// Maps the layout's Japanese font names onto the Ume fonts installed with the game, with the
// IPA fonts as the fallback.
void InstallFontSubstitutions();

// Whether a font that the family is mapped onto is installed.
bool SubstituteInstalled(const QString& family);

// A font as the layout describes it: family, character height in pixels, bold or not.
// Text is drawn without antialiasing, so every inked pixel carries the exact text colour.
// When the family's substitute is installed, characters it lacks are not looked for in
// other fonts; text of any origin (a player's name) needs QFont::NoFontMerging cleared.
QFont MakeFont(const QString& family, int height, bool bold = false);

// The fonts that draw a language's texts before the layout's own, for a language whose letters the
// Ume fonts lack or draw poorly: they have no Hangul, not the simplified characters that Japanese
// does not use, and only the full-width Cyrillic of Japanese text. Empty for every other language
// (Ume's Latin letters are proportional and have every accent) and for the game's own Japanese (an
// empty name).
QStringList LanguageFamilies(const QString& language);

// MakeFont for texts in the given language (a translation's code, as InstallTranslations gives it).
QFont MakeTextFont(const QString& family, int height, const QString& language);

// Puts the language's own fonts first in the application's font, which menus and boxes draw with.
void InstallLanguageFont(const QString& language);

// The game's default font family names.
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kPMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
