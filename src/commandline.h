#pragma once

#include <optional>

// The two options that answer without a display, before any window system is touched:
// --help and --version print their answer and give the exit status. Nothing means the game
// starts; it ignores every other argument, as it always has.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv);
