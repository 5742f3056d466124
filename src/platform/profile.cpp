#include "platform/profile.h"

#include "platform/atomicfile.h"
#include "platform/cp932.h"
#include "platform/exceptions.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {

constexpr char kLineBreak[] = "\r\n";

// Byte positions of one line: its text runs from Start to End, its line break (CR LF, LF
// or CR; none on an unterminated last line) from End to Next. CR and LF never occur as the
// second byte of a CP932 character, so splitting the raw bytes is safe.
struct TLine {
    qsizetype Start = 0;
    qsizetype End = 0;
    qsizetype Next = 0;
};

enum class TLineKind { Blank, Comment, Section, Key, Other };

struct TEntry {
    TLineKind Kind = TLineKind::Other;
    QString Name;
    QString Value;
};

// The file split into lines, each with what it means; the bytes are kept for rewriting.
struct TProfile {
    QByteArray Data;
    QList<TLine> Lines;
    QList<TEntry> Entries;
};

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Only space and tab count as blanks; QString::trimmed would also eat the ideographic space.
QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlank(text.at(first)))
        ++first;
    while (last > first && IsBlank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

QString TrimTrailingSpaces(const QString& text)
{
    qsizetype last = text.size();
    while (last > 0 && text.at(last - 1) == u' ')
        --last;
    return text.left(last);
}

QString Unquote(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QList<TLine> SplitLines(const QByteArray& data)
{
    QList<TLine> lines;
    qsizetype start = 0;
    qsizetype at = 0;
    while (at < data.size()) {
        const char c = data.at(at);
        if (c != '\r' && c != '\n') {
            ++at;
            continue;
        }
        qsizetype next = at + 1;
        if (c == '\r' && next < data.size() && data.at(next) == '\n')
            ++next;
        lines.append({start, at, next});
        start = at = next;
    }
    if (start < data.size())
        lines.append({start, data.size(), data.size()});
    return lines;
}

TEntry ParseLine(const QByteArray& data, const TLine& line)
{
    const QString text = TrimBlanks(cp932::decode(data.mid(line.Start, line.End - line.Start)));
    if (text.isEmpty())
        return {TLineKind::Blank, {}, {}};
    if (text.front() == u';')
        return {TLineKind::Comment, {}, {}};
    if (text.front() == u'[') {
        qsizetype close = text.indexOf(u']', 1);
        if (close < 0)
            close = text.size();
        return {TLineKind::Section, TrimBlanks(text.mid(1, close - 1)), {}};
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return {TLineKind::Other, {}, {}};
    return {TLineKind::Key, TrimBlanks(text.left(equals)), TrimBlanks(text.mid(equals + 1))};
}

TProfile ParseProfile(QByteArray data)
{
    TProfile profile;
    profile.Data = std::move(data);
    profile.Lines = SplitLines(profile.Data);
    for (const TLine& line : profile.Lines)
        profile.Entries.append(ParseLine(profile.Data, line));
    return profile;
}

// Only the first section of a name counts; a later one of the same name is never searched.
qsizetype FindSection(const TProfile& profile, const QString& section)
{
    for (qsizetype i = 0; i < profile.Entries.size(); ++i) {
        const TEntry& entry = profile.Entries.at(i);
        if (entry.Kind == TLineKind::Section && SameName(entry.Name, section))
            return i;
    }
    return -1;
}

// The index of the first line after the section that starts at header.
qsizetype SectionEnd(const TProfile& profile, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < profile.Entries.size() && profile.Entries.at(i).Kind != TLineKind::Section)
        ++i;
    return i;
}

qsizetype FindKey(const TProfile& profile, qsizetype header, const QString& key)
{
    const qsizetype end = SectionEnd(profile, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const TEntry& entry = profile.Entries.at(i);
        if (entry.Kind == TLineKind::Key && SameName(entry.Name, key))
            return i;
    }
    return -1;
}

// The line after which a new key goes: the section's last key line, or its header.
qsizetype InsertionLine(const TProfile& profile, qsizetype header)
{
    const qsizetype end = SectionEnd(profile, header);
    qsizetype last = header;
    for (qsizetype i = header + 1; i < end; ++i) {
        if (profile.Entries.at(i).Kind == TLineKind::Key)
            last = i;
    }
    return last;
}

bool EndsWithLineBreak(const QByteArray& data)
{
    return data.endsWith('\r') || data.endsWith('\n');
}

// What a one-line edit keeps of a pasted multi-line text, so a value never adds lines.
QString FirstLine(const QString& value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == u'\r' || value.at(i) == u'\n')
            return value.left(i);
    }
    return value;
}

bool HasLineBreak(const QString& name)
{
    return name.contains(u'\r') || name.contains(u'\n');
}

// Names that would read back as something else (a comment, a header, a different key).
bool IsWritableSection(const QString& section)
{
    return !section.isEmpty() && !HasLineBreak(section) && !section.contains(u']');
}

bool IsWritableKey(const QString& key)
{
    return !key.isEmpty() && !HasLineBreak(key) && !key.contains(u'=') && key.front() != u';'
           && key.front() != u'[';
}

QByteArray KeyLine(const QString& key, const QString& value)
{
    return cp932::encode(key) + '=' + cp932::encode(value) + kLineBreak;
}

QByteArray WithKey(const TProfile& profile, const QString& section, const QString& key, const QString& value)
{
    const QByteArray& data = profile.Data;
    const qsizetype header = FindSection(profile, section);
    if (header < 0) {
        QByteArray result = data;
        if (!result.isEmpty() && !EndsWithLineBreak(result))
            result += kLineBreak;
        return result + '[' + cp932::encode(section) + ']' + kLineBreak + KeyLine(key, value);
    }

    const qsizetype existing = FindKey(profile, header, key);
    if (existing >= 0) {
        const TLine& line = profile.Lines.at(existing);
        const QString spelling = profile.Entries.at(existing).Name;
        return data.left(line.Start) + KeyLine(spelling, value) + data.mid(line.Next);
    }

    const TLine& after = profile.Lines.at(InsertionLine(profile, header));
    if (after.Next > after.End)
        return data.left(after.Next) + KeyLine(key, value) + data.mid(after.Next);
    return data + kLineBreak + KeyLine(key, value);
}

EWriteError CannotWrite(const QString& path)
{
    return EWriteError(QStringLiteral("%1 に書き込めません").arg(path));
}

} // namespace

QString ReadProfileString(const QString& fileName, const QString& section, const QString& key,
                          const QString& defaultValue)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return TrimTrailingSpaces(defaultValue);
    const TProfile profile = ParseProfile(file.readAll());
    const qsizetype header = FindSection(profile, TrimBlanks(section));
    const qsizetype line = header < 0 ? -1 : FindKey(profile, header, TrimBlanks(key));
    if (line < 0)
        return TrimTrailingSpaces(defaultValue);
    return Unquote(profile.Entries.at(line).Value);
}

void WriteProfileString(const QString& fileName, const QString& section, const QString& key,
                        const QString& value)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    const QString sectionName = TrimBlanks(section);
    const QString keyName = TrimBlanks(key);
    if (!IsWritableSection(sectionName) || !IsWritableKey(keyName))
        throw CannotWrite(path);

    QByteArray data;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            throw CannotWrite(path);
        data = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw CannotWrite(path);
        file.close();
    }

    const TProfile profile = ParseProfile(std::move(data));
    if (!WriteFileAtomically(path, WithKey(profile, sectionName, keyName, FirstLine(value))))
        throw CannotWrite(path);
}
