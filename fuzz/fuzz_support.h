#pragma once

// What the profile fuzz targets share: the input's layout, a folder for the files, and the
// name and value rules a test must know to predict what a write does.
//
// An input is the file's content, then any number of requests, each "\0section\1key\1value".
// An input without requests (a plain INI file, as the seeds are) uses the ranking's ten keys.

#include "services/cp932.h"
#include "services/profile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace fuzz {

struct TInput {
    QByteArray Content;
    QList<TProfileWrite> Requests; // names and values decoded from CP932
};

inline TInput Parse(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = bytes.split('\0');
    TInput input{parts.first(), {}};
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QList<QByteArray> fields = parts.at(i).split('\1');
        input.Requests.append(
            {cp932::decode(fields.value(0)), cp932::decode(fields.value(1)), cp932::decode(fields.mid(2).join('\1'))});
    }
    if (input.Requests.isEmpty()) {
        for (int rank = 1; rank <= 5; ++rank) {
            input.Requests.append(
                {"RANK", QStringLiteral("NAME%1").arg(rank), QStringLiteral(" 魔神\"%1\" ").arg(rank)});
            input.Requests.append({"RANK", QStringLiteral("SCORE%1").arg(rank), QString::number(rank * 100)});
        }
    }
    return input;
}

// A fresh folder in memory for the whole run, removed at exit.
inline QString Folder()
{
    // Plain bytes, as the exit handler runs after static objects are gone.
    static char inMemory[] = "/dev/shm/velquan-fuzz-XXXXXX";
    static char onDisk[] = "/tmp/velquan-fuzz-XXXXXX";
    static char* path = QDir(QStringLiteral("/dev/shm")).exists() ? inMemory : onDisk;
    static const QString folder = [] {
        if (::mkdtemp(path) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::atexit([] { QDir(QString::fromLocal8Bit(path)).removeRecursively(); });
        return QString::fromLocal8Bit(path);
    }();
    return folder;
}

inline void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
          "the test file can be written");
}

inline bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

inline QString TrimBlanks(QString text)
{
    while (!text.isEmpty() && IsBlank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

inline bool HasLineBreak(const QString& text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// The names a file can hold as names, as the writer documents them.
inline bool IsWritable(const TProfileWrite& write)
{
    const QString section = TrimBlanks(write.Section);
    const QString key = TrimBlanks(write.Key);
    return !section.isEmpty() && !HasLineBreak(section) && !section.contains(u']') && !key.isEmpty() &&
           !HasLineBreak(key) && !key.contains(u'=') && !key.startsWith(u';') && !key.startsWith(u'[');
}

// What a value reads back as: its first line as CP932 holds it, trimmed, one pair of quotes off.
inline QString ReadBackValue(const QString& value)
{
    QString line = cp932::decode(cp932::encode(value));
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == u'\r' || line.at(i) == u'\n') {
            line.truncate(i);
            break;
        }
    }
    line = TrimBlanks(line);
    if (line.size() >= 2 && (line.front() == u'"' || line.front() == u'\'') && line.back() == line.front())
        line = line.mid(1, line.size() - 2);
    return line;
}

// A name as it reaches the file and is found again: CP932 may turn characters into "?".
inline QString StoredName(const QString& name)
{
    return cp932::decode(cp932::encode(TrimBlanks(name)));
}

} // namespace fuzz
