#pragma once

#include <QStringList>

// The language of the game's texts for a player's languages, best first, as
// QLocale::uiLanguages() lists them: the first that has a translation among those given
// (language codes, "de" or "pt_BR"), else one for another region of the same language and script
// ("pt_PT" reads "pt_BR", "zh_HK" "zh_TW"). Japanese, the game's own language, and the C locale
// need none and give an empty name; a list with none of them gives English.
QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& translated);

// Whether the locale that messages are shown in, as LC_ALL, LC_MESSAGES or LANG names it ("C",
// "C.UTF-8", "de_DE.UTF-8"; empty when none is set), is the C locale, in any encoding.
bool IsCLocale(const QString& messagesLocale);

// Installs the translation chosen for the system's languages among folder/velquan_<language>.qm,
// with Qt's own for its standard buttons where Qt has one. Returns the language, empty for the
// game's own Japanese, which installs nothing.
QString InstallTranslations(const QString& folder);
