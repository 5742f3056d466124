#pragma once

#include <optional>
#include <string>

// What the command line asks for, read before any window system is touched. --help and
// --version print their answer, and so does a --ranking without a file; any other argument
// is ignored, as it always was.
struct TCommandLine {
    std::optional<int> answer;              // exit at once with this status
    std::optional<std::string> rankingFile; // --ranking FILE: the ranking every copy may share
};

TCommandLine ReadCommandLine(int argc, const char* const* argv);
