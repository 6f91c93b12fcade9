#include "settings/wait_until_readable.h"

#include <vector>

#include "win/handles.h"

namespace pelkor::settings {
namespace {

// Whether another program holds the file: it refuses the open, or, with a byte-range
// lock (which some sync and backup tools take), lets it open and refuses the read.
bool HeldByAnother(const std::wstring& path) {
    // Read in large pieces, each a trip to the system; made first, so that it is freed
    // only after the system's error has been read.
    std::vector<char> buffer(64 * 1024);
    // The share mode of the profile functions' own open: what refuses this refuses them.
    win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
        // Read through to the end, as the profile functions will: a lock on any part
        // would cut their read of the whole file.
        DWORD read = 0;
        while (::ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
            // A file on disk gives less than asked only at its end: no trip to read nothing.
            if (read < buffer.size()) return false;
        }
    }
    const DWORD error = ::GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

}  // namespace

bool WaitUntilReadable(const std::wstring& path, DWORD limit, DWORD every) {
    if (!HeldByAnother(path)) return false;
    const ULONGLONG until = ::GetTickCount64() + limit;
    do {
        ::Sleep(every);
    } while (HeldByAnother(path) && ::GetTickCount64() < until);
    return true;
}

}  // namespace pelkor::settings
