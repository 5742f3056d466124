#include "services/profile.h"

#include "services/atomicfile.h"
#include "services/cp932.h"
#include "services/exceptions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <sys/stat.h>

namespace {

constexpr char kLineBreak[] = "\r\n";

enum class TLineKind { Blank, Comment, Section, Key, Other };

struct TEntry {
    TLineKind Kind = TLineKind::Other;
    QString Name;
    QString Value;
};

// One line of the file: its text, its line break (CR LF, LF or CR; none on an unterminated
// last line) and what it means. Edits swap whole lines, so the rest stays byte for byte.
struct TLine {
    QByteArray Text;
    QByteArray Break;
    TEntry Entry;
};

// The file split into lines. CR and LF never occur as the second byte of a CP932 character,
// so splitting the raw bytes is safe.
struct TProfile {
    QList<TLine> Lines;
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

// A name as the file holds it: trimmed, and in CP932, where a character it lacks is "?". Names
// are looked up this way too, so a name always finds the line that writing it made.
QString StoredName(const QString& name)
{
    return cp932::decode(cp932::encode(TrimBlanks(name)));
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A line's kind, told from its bytes alone: blanks, ";", "[" and "=" are ASCII and none of
// them is ever part of a two-byte character where they are looked for, so the many lines
// that nobody asked about need no decoding.
TLineKind KindOf(QByteArrayView bytes)
{
    qsizetype first = 0;
    while (first < bytes.size() && (bytes.at(first) == ' ' || bytes.at(first) == '\t'))
        ++first;
    if (first == bytes.size())
        return TLineKind::Blank;
    if (bytes.at(first) == ';')
        return TLineKind::Comment;
    if (bytes.at(first) == '[')
        return TLineKind::Section;
    return bytes.contains('=') ? TLineKind::Key : TLineKind::Other;
}

TEntry ParseLine(QByteArrayView bytes)
{
    const TLineKind kind = KindOf(bytes);
    if (kind == TLineKind::Section) {
        // A "]" byte may be the second byte of a character: the header is read as text.
        const QString text = TrimBlanks(cp932::decode(bytes.toByteArray()));
        qsizetype close = text.indexOf(u']', 1);
        if (close < 0)
            close = text.size();
        return {kind, TrimBlanks(text.mid(1, close - 1)), {}};
    }
    if (kind == TLineKind::Key) {
        const qsizetype equals = bytes.indexOf('=');
        return {kind, TrimBlanks(cp932::decode(bytes.first(equals).toByteArray())),
                TrimBlanks(cp932::decode(bytes.sliced(equals + 1).toByteArray()))};
    }
    return {kind, {}, {}};
}

// Walks the file's lines: CR LF, LF and CR alone all end one. CR and LF never occur as the
// second byte of a CP932 character, so splitting the raw bytes is safe.
class TLineReader {
public:
    explicit TLineReader(const QByteArray& data) : FData(data) {}

    // The next line's text and the length of its line break; false at the end.
    bool Next(QByteArrayView& text, qsizetype& breakLength)
    {
        if (FAt >= FData.size())
            return false;
        const qsizetype start = FAt;
        while (FAt < FData.size() && FData.at(FAt) != '\r' && FData.at(FAt) != '\n')
            ++FAt;
        text = QByteArrayView(FData).sliced(start, FAt - start);
        breakLength = 0;
        if (FAt < FData.size())
            breakLength = FData.at(FAt) == '\r' && FAt + 1 < FData.size() && FData.at(FAt + 1) == '\n' ? 2 : 1;
        FBreak = breakLength > 0 ? FData.at(FAt) : '\0';
        FAt += breakLength;
        return true;
    }

    char BreakStart() const { return FBreak; }

private:
    const QByteArray& FData;
    qsizetype FAt = 0;
    char FBreak = '\0';
};

TLine MakeLine(QByteArray text, QByteArray lineBreak)
{
    TEntry entry = ParseLine(text);
    return {std::move(text), std::move(lineBreak), std::move(entry)};
}

// The three line breaks, shared rather than allocated for each of a large file's lines.
QByteArray LineBreak(qsizetype length, char first)
{
    static const QByteArray kCrLf = QByteArray::fromRawData("\r\n", 2);
    static const QByteArray kLf = QByteArray::fromRawData("\n", 1);
    static const QByteArray kCr = QByteArray::fromRawData("\r", 1);
    if (length == 0)
        return {};
    return length == 2 ? kCrLf : first == '\n' ? kLf : kCr;
}

TProfile ParseProfile(const QByteArray& data)
{
    TProfile profile;
    TLineReader reader(data);
    QByteArrayView text;
    qsizetype breakLength = 0;
    while (reader.Next(text, breakLength))
        profile.Lines.append(MakeLine(text.toByteArray(), LineBreak(breakLength, reader.BreakStart())));
    return profile;
}

QByteArray Serialize(const TProfile& profile)
{
    qsizetype size = 0;
    for (const TLine& line : profile.Lines)
        size += line.Text.size() + line.Break.size();
    QByteArray data;
    data.reserve(size);
    for (const TLine& line : profile.Lines)
        data += line.Text + line.Break;
    return data;
}

// Only the first section of a name counts; a later one of the same name is never searched.
qsizetype FindSection(const TProfile& profile, const QString& section)
{
    for (qsizetype i = 0; i < profile.Lines.size(); ++i) {
        const TEntry& entry = profile.Lines.at(i).Entry;
        if (entry.Kind == TLineKind::Section && SameName(entry.Name, section))
            return i;
    }
    return -1;
}

// The index of the first line after the section that starts at header.
qsizetype SectionEnd(const TProfile& profile, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < profile.Lines.size() && profile.Lines.at(i).Entry.Kind != TLineKind::Section)
        ++i;
    return i;
}

qsizetype FindKey(const TProfile& profile, qsizetype header, const QString& key)
{
    const qsizetype end = SectionEnd(profile, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const TEntry& entry = profile.Lines.at(i).Entry;
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
        if (profile.Lines.at(i).Entry.Kind == TLineKind::Key)
            last = i;
    }
    return last;
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
    return !key.isEmpty() && !HasLineBreak(key) && !key.contains(u'=') && key.front() != u';' && key.front() != u'[';
}

TLine KeyLine(const QString& key, const QString& value)
{
    return MakeLine(cp932::encode(key) + '=' + cp932::encode(value), kLineBreak);
}

// Gives the last line a line break, so that a line can follow it.
void EndLastLine(TProfile& profile)
{
    if (!profile.Lines.isEmpty() && profile.Lines.last().Break.isEmpty())
        profile.Lines.last().Break = kLineBreak;
}

// Sets one key as a write of that key alone would: the edit touches only its own line.
void SetKey(TProfile& profile, const QString& section, const QString& key, const QString& value)
{
    const qsizetype header = FindSection(profile, section);
    if (header < 0) {
        EndLastLine(profile);
        profile.Lines.append(MakeLine('[' + cp932::encode(section) + ']', kLineBreak));
        profile.Lines.append(KeyLine(key, value));
        return;
    }

    const qsizetype existing = FindKey(profile, header, key);
    if (existing >= 0) {
        TLine& line = profile.Lines[existing];
        line = KeyLine(line.Entry.Name, value);
        return;
    }

    const qsizetype after = InsertionLine(profile, header);
    if (profile.Lines.at(after).Break.isEmpty()) {
        // Only the last line can lack a break, so the new key ends the file.
        EndLastLine(profile);
        profile.Lines.append(KeyLine(key, value));
        return;
    }
    profile.Lines.insert(after + 1, KeyLine(key, value));
}

// The first part of the path that exists but is no folder, or an empty text.
QString BlockingFolder(const QString& path)
{
    for (QString folder = QFileInfo(path).absolutePath();; folder = QFileInfo(folder).absolutePath()) {
        struct stat named {};
        if (::stat(QFile::encodeName(folder).constData(), &named) == 0)
            return S_ISDIR(named.st_mode) ? QString() : folder;
        if (folder == QFileInfo(folder).absolutePath())
            return {};
    }
}

EWriteError CannotWrite(const QString& path)
{
    return EWriteError(QCoreApplication::translate("Profile", "%1 に書き込めません").arg(path));
}

} // namespace

QString ReadProfileString(const QString& fileName, const QString& section, const QString& key,
                          const QString& defaultValue)
{
    // Whatever cannot be read as a plain file reads as a missing one, and never blocks.
    QByteArray data;
    if (ReadRegularFile(fileName, data) != TReadResult::Read)
        return TrimTrailingSpaces(defaultValue);
    const QString sectionName = StoredName(section);
    const QString keyName = StoredName(key);

    // Only lines inside the first section of the name are read as text.
    TLineReader reader(data);
    QByteArrayView text;
    qsizetype breakLength = 0;
    bool inSection = false;
    while (reader.Next(text, breakLength)) {
        const TLineKind kind = KindOf(text);
        if (kind == TLineKind::Section) {
            if (inSection)
                break;
            inSection = SameName(ParseLine(text).Name, sectionName);
        } else if (inSection && kind == TLineKind::Key) {
            const TEntry entry = ParseLine(text);
            if (SameName(entry.Name, keyName))
                return Unquote(entry.Value);
        }
    }
    return TrimTrailingSpaces(defaultValue);
}

void CheckProfileFile(const QString& fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QByteArray data;
    switch (ReadRegularFile(path, data)) {
    case TReadResult::Read: return;
    case TReadResult::Missing:
        if (const QString folder = BlockingFolder(path); !folder.isEmpty())
            throw EReadError(QCoreApplication::translate("Profile", "%1 はフォルダではありません").arg(folder));
        return;
    case TReadResult::NotAFile:
        throw EReadError(QCoreApplication::translate("Profile", "%1 は通常のファイルではありません").arg(path));
    case TReadResult::TooLarge:
        throw EReadError(QCoreApplication::translate("Profile", "%1 は大きすぎます (%2 MiB まで)")
                             .arg(path)
                             .arg(kMaxFileSize >> 20));
    case TReadResult::Failed: throw EReadError(QCoreApplication::translate("Profile", "%1 を読み込めません").arg(path));
    }
}

void WriteProfileString(const QString& fileName, const QString& section, const QString& key, const QString& value)
{
    WriteProfileStrings(fileName, {{section, key, value}});
}

void WriteProfileStrings(const QString& fileName, const QList<TProfileWrite>& writes)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    // Every name is checked before anything is written: a refused one changes nothing.
    for (const TProfileWrite& write : writes) {
        if (!IsWritableSection(StoredName(write.Section)) || !IsWritableKey(StoredName(write.Key)))
            throw CannotWrite(path);
    }

    QByteArray data;
    const TReadResult read = ReadRegularFile(path, data);
    if (read != TReadResult::Read && read != TReadResult::Missing)
        throw CannotWrite(path);

    TProfile profile = ParseProfile(WithoutSavePadding(data));
    for (const TProfileWrite& write : writes)
        SetKey(profile, StoredName(write.Section), StoredName(write.Key), FirstLine(write.Value));
    if (!WriteFileAtomically(path, Serialize(profile)))
        throw CannotWrite(path);
}
