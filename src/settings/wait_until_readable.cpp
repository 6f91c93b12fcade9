#include "settings/wait_until_readable.h"

#include "win/handles.h"

namespace pelkor::settings {

void WaitUntilReadable(const std::wstring& path, DWORD limit, DWORD every) {
    const ULONGLONG until = ::GetTickCount64() + limit;
    for (;;) {
        // The share mode of the profile functions' own open: what refuses this refuses them.
        win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return;
        const DWORD error = ::GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) return;
        if (::GetTickCount64() >= until) return;
        ::Sleep(every);
    }
}

}  // namespace pelkor::settings
