#pragma once

#include <QByteArray>
#include <QString>

// The largest ranking file the game reads or writes. A real one is well under a kilobyte; a
// bigger one is something else, which is refused rather than loaded whole into memory.
constexpr qint64 kMaxFileSize = qint64(64) * 1024 * 1024;

enum class TReadResult {
    Read,
    Missing,  // nothing by that name, or a folder on the way that is not a folder
    NotAFile, // a folder, FIFO, socket or device
    TooLarge, // over kMaxFileSize
    Failed,
};

// Reads a plain file whole. Whatever else has the name is never opened for reading, so a FIFO
// or a device cannot block the caller.
TReadResult ReadRegularFile(const QString& fileName, QByteArray& data);

// Creates the file with the data in one step: it appears complete or not at all, and an
// existing file is never replaced. True when the file exists afterwards.
bool CreateFileExclusively(const QString& fileName, const QByteArray& data);

// Replaces the file's contents so that a crash, a kill or a full disk during the save leaves
// either the old or the new file, never a mix: the data goes to an unnamed file beside it,
// reaches the disk, is given a temporary name and then takes the old file's place. A kill in
// the short moment between naming and replacing leaves a temporary file that the next save
// beside it removes; a temporary file still held by another running save is left alone.
//
// The file keeps its owner, group, mode, ACL and extended attributes. Where a new file could
// not have them all (the saver does not own it, or cannot give it its group or attributes), or
// would break something (a second hard link, a sticky folder refusing the rename, a folder the
// saver cannot write), the file is rewritten in place instead: the space the new content needs
// is reserved first, the new content goes over the old in one write and the file is then cut
// to its new length. Where the new content is shorter, the write fills the rest with a comment
// line that a marker text makes the save's own, so a kill before the cut leaves the new content
// and that line, and a full disk leaves the old content.
//
// A missing file is created when its folder exists. A file that is no plain file or is over
// kMaxFileSize is left alone. Returns false when the data could not be written.
bool WriteFileAtomically(const QString& fileName, const QByteArray& data);

// The data without the padding that a killed in-place save may have left: a last line of the
// save's marked comment and spaces. A save drops it, so that it does not stay in the file for
// ever; any other line, a comment of ";" and spaces too, stays.
QByteArray WithoutSavePadding(const QByteArray& data);

// The moments inside a save at which a test may stop it or make it fail.
enum class TSaveStep {
    CreateTemporary, // making the unnamed or named temporary file
    WriteTemporary,
    FlushTemporary,
    TemporaryNamed, // the new content is complete under its temporary name
    Replace,        // the rename over the old file
    Reserve,        // in place: making room for a longer content
    WriteInPlace,
    WrittenInPlace, // the new content is over the old one, the file not yet cut
    FlushInPlace,
};

// Test seam: called at each step; when it returns false the save stops there and returns
// false, leaving the files as a kill at that moment would. Null (the default) never stops.
using TSaveStepHook = bool (*)(TSaveStep step);
void SetSaveStepHook(TSaveStepHook hook);

// Test seam: called at each step that can fail; a non-zero result is the errno with which
// that step fails (a write fails after writing half of its data, as a filling disk does).
using TSaveFaultHook = int (*)(TSaveStep step);
void SetSaveFaultHook(TSaveFaultHook hook);
