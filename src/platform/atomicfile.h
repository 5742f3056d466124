#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file's contents so that a crash or a kill during the save leaves either the
// old or the new file, never a mix: the data goes to a new file beside it, reaches the disk,
// then takes the old file's place (keeping its permissions). When no file can be created
// beside an existing, writable file, the file is rewritten in place instead. A missing file
// is created when its folder exists. Returns false when the data could not be written.
bool WriteFileAtomically(const QString& fileName, const QByteArray& data);
