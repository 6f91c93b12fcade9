#pragma once
// Windows' per-user copies of files that a legacy 32-bit program (the game) wrote under a
// protected folder such as Program Files. Once the game has written gr.ini there, its
// writes go to the copy, and it reads the copy from then on.
#include <string>

namespace pelkor::settings {

// Whether this build must find the copy itself. The 32-bit exe states no execution level
// in its manifest, so Windows redirects it exactly as it does the game; a 64-bit program
// is never redirected.
inline constexpr bool kFollowsVirtualStore = sizeof(void*) == 8;

// The copy of `path` in the user's VirtualStore folder when one exists, else empty.
std::wstring VirtualStoreCopyOf(const std::wstring& path);

}  // namespace pelkor::settings
