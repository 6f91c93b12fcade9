#pragma once
// The launcher: the game in the program's folder, and what follows its start.
#include <string>
#include <string_view>

#include "core/messages.h"

namespace pelkor::core {

struct GameStart {
    std::wstring program;      // the full path
    std::wstring commandLine;  // the same path, quoted
    std::wstring folder;       // where the game runs
};

// The game beside this program. The full path as the program to start, and quoted as its
// command line, so that a folder with blanks never lets another program run in the game's
// place; it runs in its own folder, wherever this program was started from, as it may
// load its files by relative path.
GameStart GameIn(std::wstring_view programDirectory);

// How a start ended, as the system told it.
enum class Started { Yes, NeedsAdministrator, Declined, No };

// What follows a start: once the game runs this program ends; a game that did not start
// shows No.05; the user's refusal to run it as an administrator shows nothing.
struct AfterStart {
    bool endProgram = false;
    const Message* message = nullptr;
};
AfterStart After(Started started);

}  // namespace pelkor::core
