#pragma once
// A file that another program holds for a moment (a virus scanner, a sync client,
// the game itself) is waited for before it is read.
#include <windows.h>

#include <string>

namespace pelkor::settings {

// Returns once the file can be opened and read as the profile functions open and read it,
// or is missing, or has refused for `limit` ms because another program holds it
// (tried every `every` ms); true when another program held it at first.
bool WaitUntilReadable(const std::wstring& path, DWORD limit = 2000, DWORD every = 50);

}  // namespace pelkor::settings
