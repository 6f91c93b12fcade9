#include "settings/virtual_store.h"

#include <windows.h>

namespace pelkor::settings {

namespace {

std::wstring Environment(const wchar_t* name) {
    std::wstring value(::GetEnvironmentVariableW(name, nullptr, 0), L'\0');
    const DWORD length = ::GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    value.resize(length < value.size() ? length : 0);
    return value;
}

// Whether `path` lies in a folder whose writes Windows redirects: Program Files (either),
// ProgramData or Windows. Elsewhere no copy can exist, and the refresh asks nothing.
bool InRedirectedFolder(const std::wstring& path) {
    for (const wchar_t* folder : {L"ProgramFiles", L"ProgramFiles(x86)", L"ProgramData", L"SystemRoot"}) {
        const std::wstring root = Environment(folder);
        if (root.empty() || path.size() <= root.size() || path[root.size()] != L'\\') continue;
        if (::CompareStringOrdinal(path.c_str(), static_cast<int>(root.size()), root.c_str(),
                                   static_cast<int>(root.size()), TRUE) == CSTR_EQUAL) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::wstring VirtualStoreCopyOf(const std::wstring& path) {
    // Only a file on a drive has a copy, at the same path with the drive left out:
    // C:\Program Files (x86)\GR\gr.ini is kept as VirtualStore\Program Files (x86)\GR\gr.ini.
    if (path.size() < 3 || path[1] != L':' || path[2] != L'\\' || !InRedirectedFolder(path)) return {};
    // The user's local application-data folder, as Windows sets it for every process: the
    // shell's known-folder call would load shell32 at every start for the same answer.
    const std::wstring local = Environment(L"LOCALAPPDATA");
    if (local.empty()) return {};
    const std::wstring copy = local + L"\\VirtualStore" + path.substr(2);
    const DWORD attributes = ::GetFileAttributesW(copy.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
    return copy;
}

}  // namespace pelkor::settings
