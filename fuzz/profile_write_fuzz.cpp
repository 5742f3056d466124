// Writing keys into any file, one by one and as one transaction, checked against what the
// writer promises: the key reads back as written, nothing else changes, a refused name leaves
// the file alone, no temporary file stays, and the transaction equals the single writes.
#include "fuzz_support.h"

#include "services/atomicfile.h"
#include "services/exceptions.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr qsizetype kMaxOtherKeys = 24;

struct TKey {
    QString Section;
    QString Key;
};

// The keys a file appears to hold, found with a rough reading of its own; the reader under
// test decides what each of them reads as, before and after a write.
QList<TKey> KeysIn(const QByteArray& content)
{
    QList<TKey> keys;
    QString section;
    const QString text = cp932::decode(content);
    for (const QString& raw : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const QString line = fuzz::TrimBlanks(raw);
        if (line.startsWith(u'['))
            section = fuzz::TrimBlanks(line.mid(1, line.indexOf(u']') < 0 ? -1 : line.indexOf(u']') - 1));
        else if (line.contains(u'=') && !line.startsWith(u';') && keys.size() < kMaxOtherKeys)
            keys.append({section, fuzz::TrimBlanks(line.left(line.indexOf(u'=')))});
    }
    return keys;
}

qsizetype LineBreaks(const QByteArray& bytes)
{
    return bytes.count('\n') + bytes.count('\r') - bytes.count("\r\n");
}

// Only the written line (and, for a new section, a line break before its header) changed.
bool OnlyTheWrittenLinesChanged(const QByteArray& before, const QByteArray& after)
{
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before.at(prefix) == after.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    const QByteArray removed = before.mid(prefix, before.size() - prefix - suffix);
    const QByteArray added = after.mid(prefix, after.size() - prefix - suffix);
    return LineBreaks(removed) <= 1 && LineBreaks(added) <= 3;
}

QList<QByteArray> Lines(QByteArray bytes)
{
    QList<QByteArray> lines = bytes.replace("\r\n", "\n").replace('\r', '\n').split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Every line of the old file stays, byte for byte and in order, but those the save owns: the
// lines of the written key and a last line of the save's own padding.
bool UnownedLinesStay(const QByteArray& before, const QByteArray& after, const QString& key)
{
    const QByteArray marker = ";VELQUAN save padding";
    QList<QByteArray> unowned = Lines(before);
    if (!unowned.isEmpty() && unowned.last().startsWith(marker) &&
        unowned.last().mid(marker.size()).count(' ') == unowned.last().size() - marker.size())
        unowned.removeLast();
    unowned.removeIf([&key](const QByteArray& line) {
        const QString text = cp932::decode(line);
        return text.contains(u'=') &&
               fuzz::TrimBlanks(text.left(text.indexOf(u'='))).compare(key, Qt::CaseInsensitive) == 0;
    });
    const QList<QByteArray> kept = Lines(after);
    qsizetype found = 0;
    for (const QByteArray& line : kept)
        if (found < unowned.size() && line == unowned.at(found))
            ++found;
    return found == unowned.size();
}

void CheckOnlyTheFile(const QString& folder, const QStringList& files)
{
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    QStringList expected = files;
    expected.sort();
    fuzz::Check(entries == expected, "no temporary file stays beside the file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fuzz::TInput input = fuzz::Parse(data, size);
    const QString folder = fuzz::Folder();
    const QString single = folder + QStringLiteral("/single.ini");
    const QString whole = folder + QStringLiteral("/whole.ini");
    const QString before = folder + QStringLiteral("/before.ini");
    QFile::remove(single);
    QFile::remove(whole);
    // An empty content stands for a missing file.
    if (!input.Content.isEmpty()) {
        fuzz::WriteBytes(single, input.Content);
        fuzz::WriteBytes(whole, input.Content);
    }

    bool allWritable = true;
    for (const TProfileWrite& write : input.Requests) {
        const QByteArray old = fuzz::ReadBytes(single);
        const bool writable = fuzz::IsWritable(write);
        allWritable = allWritable && writable;
        try {
            WriteProfileString(single, write.Section, write.Key, write.Value);
        } catch (const EWriteError&) {
            fuzz::Check(!writable, "a writable name in a writable folder is written");
            fuzz::Check(fuzz::ReadBytes(single) == old, "a refused name leaves the file alone");
            continue;
        }
        fuzz::Check(writable, "a name the file cannot hold is refused");
        const QByteArray now = fuzz::ReadBytes(single);
        const QString section = fuzz::StoredName(write.Section);
        const QString key = fuzz::StoredName(write.Key);
        fuzz::Check(ReadProfileString(single, section, key, "\u3000default") == fuzz::ReadBackValue(write.Value),
                    "the written key reads back as the value's first line");
        // The save's own padding goes with any save; UnownedLinesStay checks that nothing else does.
        fuzz::Check(old == "<missing>" || OnlyTheWrittenLinesChanged(WithoutSavePadding(old), now),
                    "at most the written lines change");
        fuzz::Check(old == "<missing>" || UnownedLinesStay(old, now, key), "every line the save does not own stays");

        if (old != "<missing>") {
            fuzz::WriteBytes(before, old);
            for (const auto& [otherSection, otherKey] : KeysIn(old)) {
                if (otherSection.compare(section, Qt::CaseInsensitive) == 0 &&
                    otherKey.compare(key, Qt::CaseInsensitive) == 0)
                    continue;
                fuzz::Check(ReadProfileString(before, otherSection, otherKey, "\u3000default") ==
                                ReadProfileString(single, otherSection, otherKey, "\u3000default"),
                            "no other key changes");
            }
            QFile::remove(before);
        }
    }

    const QByteArray untouched = fuzz::ReadBytes(whole);
    try {
        WriteProfileStrings(whole, input.Requests);
        fuzz::Check(allWritable, "a transaction with a refused name is refused");
        fuzz::Check(fuzz::ReadBytes(whole) == fuzz::ReadBytes(single), "a transaction equals its writes one by one");
    } catch (const EWriteError&) {
        fuzz::Check(!allWritable, "a transaction of writable names is written");
        fuzz::Check(fuzz::ReadBytes(whole) == untouched, "a refused transaction leaves the file alone");
    }
    QStringList files;
    for (const QString& path : {single, whole})
        if (QFile::exists(path))
            files << QFileInfo(path).fileName();
    CheckOnlyTheFile(folder, files);
    return 0;
}
