#pragma once

#include <QList>
#include <QString>

// The ranking file's layer: INI files read and written one key at a time, in CP932.
//
// Reading matches section and key names without regard to case, trims blanks around
// names and values and drops one outer pair of matching quotes from the value. A missing
// file, section or key yields the default without its trailing spaces.
QString ReadProfileString(const QString& fileName, const QString& section, const QString& key,
                          const QString& defaultValue);

// Throws EReadError, naming the path, when the file cannot be read as a ranking: it is no
// plain file (a folder, FIFO, socket or device), a folder on its way is no folder, it is over
// kMaxFileSize or unreadable. A missing file passes. Nothing is opened that could block.
void CheckProfileFile(const QString& fileName);

// Writing edits the file in place: everything but the written line stays byte for byte, save
// the padding line that a killed save may have left at the end (WithoutSavePadding).
// Only the text before the first line break of the value is written, so a value cannot add
// lines of its own. The new file replaces the old one atomically. Throws EWriteError when the
// file cannot be written, and also for a name that the file could not hold as a name
// (empty, a line break, "]" in a section, "=" in a key, a key starting with ";" or "[").
void WriteProfileString(const QString& fileName, const QString& section, const QString& key, const QString& value);

// One key write of a transaction.
struct TProfileWrite {
    QString Section;
    QString Key;
    QString Value;
};

// Several writes to one file as one transaction: the file is read once, the writes are
// applied in order exactly as that many WriteProfileString calls would apply them, and the
// result replaces the file in one step, so a crash leaves the old file or the new one. When a
// name is refused or the file cannot be written, the file stays as it was and EWriteError is
// thrown.
void WriteProfileStrings(const QString& fileName, const QList<TProfileWrite>& writes);
