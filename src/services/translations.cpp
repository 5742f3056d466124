#include "services/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kPrefix = QStringLiteral("velquan_");
const QString kSuffix = QStringLiteral(".qm");
// Until a player's language has a translation of its own, English is the one they can read.
const QString kFallback = QStringLiteral("en");

bool Load(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& translated)
{
    for (const QString& tag : uiLanguages) {
        QString language = tag.section(u'-', 0, 0).toLower();
        if (language == QLatin1String("ja") || tag == QLatin1String("C") || tag == QLatin1String("POSIX"))
            return {};
        if (QString full = QString(tag).replace(u'-', u'_'); translated.contains(full))
            return full;
        if (translated.contains(language))
            return language;
        // Another region's translation of the language, in the same script: Hong Kong reads
        // Taiwan's traditional Chinese, Singapore the mainland's simplified, Portugal Brazil's
        // Portuguese until it has its own.
        const QLocale::Script script = QLocale(tag).script();
        for (const QString& other : translated)
            if (other.section(u'_', 0, 0) == language && QLocale(other).script() == script)
                return other;
    }
    return kFallback;
}

bool IsCLocale(const QString& messagesLocale)
{
    const QString name = messagesLocale.section(u'.', 0, 0).section(u'@', 0, 0);
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

QString InstallTranslations(const QString& folder)
{
    QString messagesLocale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messagesLocale = qEnvironmentVariable(variable);
        if (!messagesLocale.isEmpty())
            break;
    }
    // As gettext has it, LANGUAGE counts only outside the C locale, whatever its encoding.
    const QStringList languages =
        IsCLocale(messagesLocale) ? QStringList{QStringLiteral("C")} : QLocale::system().uiLanguages();
    QStringList translated;
    // Matched by hand: a wildcard filter would bring in the regular-expression engine and its
    // compiler, half a megabyte held for the life of the game, for this one look.
    for (const QString& file : QDir(folder).entryList(QDir::Files))
        if (file.startsWith(kPrefix) && file.endsWith(kSuffix) && file.size() > kPrefix.size() + kSuffix.size())
            translated.append(file.mid(kPrefix.size()).chopped(kSuffix.size()));
    QString language = ChooseTranslation(languages, translated);
    if (language.isEmpty() || !Load(kPrefix + language, folder))
        return {};
    // Qt's English is its own source text; only another language needs Qt's translation.
    if (language != kFallback)
        Load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}
