#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file's contents so that a crash or a kill during the save leaves either the
// old or the new file, never a mix: the data goes to an unnamed file beside it, reaches the
// disk, is given a temporary name and then takes the old file's place (keeping its
// permissions). A kill in the short moment between naming and replacing leaves a temporary
// file that the next save beside it removes; a temporary file still held by another running
// save is left alone.
//
// When no file can be created beside an existing, writable file (a shared ranking in a folder
// the player cannot write), the file is rewritten in place: the new content goes over the
// old in one write and the file is then cut to its new length, so a kill leaves at worst the
// new content followed by a tail of the old, never an empty file.
//
// A missing file is created when its folder exists. Returns false when the data could not be
// written.
bool WriteFileAtomically(const QString& fileName, const QByteArray& data);

// The moments inside a save at which a test may stop it.
enum class TSaveStep {
    TemporaryNamed, // the new content is complete under its temporary name
    WrittenInPlace, // the new content is over the old one, the file not yet cut
};

// Test seam: called at each step; when it returns false the save stops there and returns
// false, leaving the files as a kill at that moment would. Null (the default) never stops.
using TSaveStepHook = bool (*)(TSaveStep step);
void SetSaveStepHook(TSaveStepHook hook);
