#include "commandline.h"

#include <cstdio>
#include <string_view>

namespace {

// The columns and headings are the ones help2man turns into a manual page; dist/velquan.6.in
// says the same at more length.
constexpr const char* kHelp = R"(Usage: velquan [--ranking FILE] [--help | --version]
A 60-second arcade putting game: sink as many putts as you can in one minute on a
green that jumps after every shot. Any other argument is ignored and the game starts.

Keys:
  F3                  start a 60-second game
  Space               hold to charge the putt, release to swing (as holding
                      SHOT!! with the mouse does)
  F4                  hide the game behind a harmless-looking screen;
                      double-click it to come back
  Alt+M, Alt+O, Alt+H
                      open the Mode, Options and Help menus

Exit status:
  0                   the game was closed and its ranking saved, or an option
                      answered
  1                   the ranking could not be written; a message box said so
  2                   --ranking was given no file

Options:
  --ranking FILE      keep the top five in FILE: every copy started with the
                      same FILE shares one ranking, saved under a lock and
                      merged; a missing FILE is first copied from the starter
  --help              show this help and exit
  --version           show the version and exit

Files:
  $XDG_DATA_HOME/velquan/VELQUAN.ini
                      the top five of an installed game, first copied from the
                      installed starter ranking; saved when a name goes in and
                      when the game closes
  VELQUAN.ini beside the executable
                      the top five of a portable copy (a build or an unpacked
                      folder) whose folder or ranking file is writable, and of
                      an installed game that has one there already

Environment:
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                      the first one set chooses the language: Japanese for a
                      ja* locale, C or POSIX; German, French, Spanish, Italian,
                      Portuguese, Polish, Russian, Chinese or Korean for theirs;
                      English for any other
  VELQUAN_RANKING     the ranking file when --ranking is not given
  XDG_DATA_HOME       the user's data folder; ~/.local/share when unset
  QT_QPA_PLATFORM     the display system, for example wayland or xcb
)";

TCommandLine Answered(int status)
{
    TCommandLine commandLine;
    commandLine.answer = status;
    return commandLine;
}

} // namespace

TCommandLine ReadCommandLine(int argc, const char* const* argv)
{
    constexpr std::string_view kRanking = "--ranking";
    TCommandLine commandLine;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            std::fputs(kHelp, stdout);
            return Answered(0);
        }
        if (argument == "--version") {
            std::fputs("velquan " VELQUAN_VERSION "\n", stdout);
            return Answered(0);
        }
        if (argument == kRanking || argument.starts_with("--ranking=")) {
            const char* file = argument == kRanking ? (i + 1 < argc ? argv[++i] : "") : argv[i] + kRanking.size() + 1;
            // Starting with the player's own ranking instead would quietly split an office's.
            if (*file == '\0') {
                std::fputs("velquan: --ranking needs a file\nTry 'velquan --help' for more information.\n", stderr);
                return Answered(2);
            }
            commandLine.rankingFile = file;
        }
    }
    return commandLine;
}
