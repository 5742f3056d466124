// Reading keys from any file: no crash, no undefined behaviour, a value never spans lines, and
// the reader (which decodes only the lines it must) agrees with a plain model that decodes
// every line whole and reads it as text.
#include "fuzz_support.h"

#include <QRegularExpression>

namespace {

QString Unquote(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

QString ModelRead(const QByteArray& content, const QString& section, const QString& key, const QString& fallback)
{
    const QString sectionName = fuzz::StoredName(section);
    const QString keyName = fuzz::StoredName(key);
    QString fallbackTrimmed = fallback;
    while (fallbackTrimmed.endsWith(u' '))
        fallbackTrimmed.chop(1);
    bool inSection = false;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    // Latin-1 keeps every byte as one character, so the split sees the raw line breaks.
    for (const QString& latin : QString::fromLatin1(content).split(lineBreak)) {
        const QString line = fuzz::TrimBlanks(cp932::decode(latin.toLatin1()));
        if (line.startsWith(u'[')) {
            if (inSection)
                break;
            const qsizetype close = line.indexOf(u']', 1);
            const QString name = fuzz::TrimBlanks(line.mid(1, close < 0 ? -1 : close - 1));
            inSection = name.compare(sectionName, Qt::CaseInsensitive) == 0;
        } else if (inSection && !line.startsWith(u';') && line.contains(u'=')) {
            const qsizetype equals = line.indexOf(u'=');
            if (fuzz::TrimBlanks(line.left(equals)).compare(keyName, Qt::CaseInsensitive) == 0)
                return Unquote(fuzz::TrimBlanks(line.mid(equals + 1)));
        }
    }
    return fallbackTrimmed;
}

// ASCII letters in the other case; other letters' cases need not both exist in CP932.
QString SwapAsciiCase(QString text)
{
    for (QChar& c : text) {
        if (c.unicode() < 0x80 && c.isLetter())
            c = c.isUpper() ? c.toLower() : c.toUpper();
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fuzz::TInput input = fuzz::Parse(data, size);
    const QString path = fuzz::Folder() + QStringLiteral("/read.ini");
    fuzz::WriteBytes(path, input.Content);
    const QString fallback = QStringLiteral("\u3000none  ");
    for (const TProfileWrite& request : input.Requests) {
        const QString value = ReadProfileString(path, request.Section, request.Key, fallback);
        fuzz::Check(!fuzz::HasLineBreak(value), "a value read stays within its line");
        fuzz::Check(value == ModelRead(input.Content, request.Section, request.Key, fallback),
                    "the reader agrees with the plain model");
        if (!input.Content.contains('='))
            fuzz::Check(value == QStringLiteral("\u3000none"), "a file without keys gives the default");
        fuzz::Check(value ==
                        ReadProfileString(path, SwapAsciiCase(request.Section), SwapAsciiCase(request.Key), fallback),
                    "names match without regard to ASCII case");
    }
    return 0;
}
