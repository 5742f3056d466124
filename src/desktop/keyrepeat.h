#pragma once

// Asks the X server to send a held key as presses alone, with its one release when the key is
// let go. Without it X repeats a held key as release and press pairs, and a busy machine can
// hand the toolkit the release before its press is there to show that it was a repeat.
// Returns whether the server agreed; other window systems repeat in the client and need
// nothing, and answer false.
bool RequestDetectableAutoRepeat();
