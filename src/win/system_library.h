#pragma once
// A DLL of Windows' own that only some uses of the program need: shell32 and ole32 for
// the web pages, comctl32 for the help bubbles. It loads at the first function asked
// of it, not with every start, and only from the system folder. Once loaded it stays
// for the rest of the process, as an imported DLL would: the shell may leave work of
// its own running in it after a call returns.
// Not the linker's delay-load import libraries: the 32-bit GNU linker drops the stub
// that each of their table entries first points to, so the first call jumps to 0.
#include <windows.h>

namespace pelkor::win {

// A function of a DLL the program has loaded anyway (kernel32, user32) that older Windows
// versions lack, typed as `Fn` (a function pointer type); null where it is missing.
template <typename Fn>
Fn LoadedFunction(const wchar_t* module, const char* name) {
    HMODULE loaded = ::GetModuleHandleW(module);
    return loaded ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(loaded, name))) : nullptr;
}

class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* name) : name_(name) {}
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The function `name` of the library, typed as `Function` (the declaration in the
    // system header, so its calling convention comes with it); null when the library
    // or the function is not on this system.
    template <typename Function>
    Function* Get(const char* name) {
        return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(Find(name)));
    }

private:
    FARPROC Find(const char* name);

    const wchar_t* name_;
    HMODULE module_ = nullptr;
    bool missing_ = false;  // tried once and not found: not asked for again
};

}  // namespace pelkor::win
