#include "win/system_library.h"

#include <string>

namespace pelkor::win {

FARPROC SystemLibrary::Find(const char* name) {
    if (!module_ && !missing_) {
        // The system folder only: a DLL of the same name in the game's folder is never taken.
        module_ = ::LoadLibraryExW(name_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        // Windows 7 without its 2011 loader update knows no such flag: the full path then.
        if (!module_ && ::GetLastError() == ERROR_INVALID_PARAMETER) {
            wchar_t folder[MAX_PATH];
            const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
            if (length > 0 && length < MAX_PATH) {
                const std::wstring path = std::wstring(folder, length) + L'\\' + name_;
                module_ = ::LoadLibraryW(path.c_str());
            }
        }
        missing_ = !module_;
    }
    return module_ ? ::GetProcAddress(module_, name) : nullptr;
}

}  // namespace pelkor::win
