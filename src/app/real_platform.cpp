#include "app/platform.h"

namespace pelkor::app {

std::wstring DirectoryOf(const std::wstring& fileName) {
    const auto slash = fileName.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    std::wstring dir = fileName.substr(0, slash);
    // A drive root keeps its backslash, so "C:" does not come to mean "the current folder of C:".
    if (dir.size() == 2 && dir[1] == L':') dir += L'\\';
    return dir;
}

std::wstring RealPlatform::ProgramDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return DirectoryOf(path);
}

int RealPlatform::ShowMessageBox(HWND owner, const std::wstring& text, const std::optional<std::wstring>& title,
                                 UINT type) {
    return ::MessageBoxW(owner, text.c_str(), title ? title->c_str() : kProgramTitle, type);
}

void RealPlatform::EndProgram(int exitCode) { ::PostQuitMessage(exitCode); }

bool RealPlatform::HighContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof(setting);
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace pelkor::app
