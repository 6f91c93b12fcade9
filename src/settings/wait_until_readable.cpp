#include "settings/wait_until_readable.h"

#include "win/handles.h"

namespace pelkor::settings {
namespace {

// Whether another program holds the file: it refuses the open, or, with a byte-range
// lock (which some sync and backup tools take), lets it open and refuses the read.
bool HeldByAnother(const std::wstring& path) {
    // The share mode of the profile functions' own open: what refuses this refuses them.
    win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
        // Read through to the end, as the profile functions will: a lock on any part
        // would cut their read of the whole file.
        char buffer[4096];
        DWORD read = 0;
        while (::ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr)) {
            if (read == 0) return false;
        }
    }
    const DWORD error = ::GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

}  // namespace

void WaitUntilReadable(const std::wstring& path, DWORD limit, DWORD every) {
    const ULONGLONG until = ::GetTickCount64() + limit;
    while (HeldByAnother(path) && ::GetTickCount64() < until) ::Sleep(every);
}

}  // namespace pelkor::settings
