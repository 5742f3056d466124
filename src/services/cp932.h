#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The ANSI code page of the game's texts and of its ranking file (Shift-JIS as extended
// by the platform, CP932). Characters it cannot hold become '?'.
namespace cp932 {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// True for a byte that starts a two-byte character.
bool IsLeadByte(unsigned char byte);

// Bytes taken by the character that starts at position index: 2 for a lead byte that
// is not the last byte, otherwise 1.
int CharByteLength(const QByteArray& bytes, int index);

// True when the byte at index begins a two-byte character, found by walking the text
// from its start (a second byte may look like a lead byte on its own).
bool IsLeadByteAt(const QByteArray& bytes, int index);

// Number of characters: the bytes that are not the second byte of a two-byte character.
int CharCount(const QByteArray& bytes);

int ByteLength(const QString& text);

} // namespace cp932
