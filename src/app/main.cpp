// Pelkor: a settings editor for the game's gr.ini, placed in the game's own folder.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "app/application.h"
#include "app/platform.h"
#include "win/failure.h"

#if defined(__GLIBCXX__)
// An exception that escapes everything ends the program. The library's own handler
// would print the exception's type to a console that a window program does not have,
// and brings a C++ name demangler of some 45 KB into the exe for it.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// The containers report a size or index out of range through these. The library's own
// versions throw std::length_error and its kin, whose message is a reference-counted
// string: that brings in the library's whole string code, and the linker keeps every
// unwind entry of what it brings in, some 85 KB in the 32-bit exe. The handlers catch
// std::exception, which these still throw. Should a new library call need another of
// these functions, the link fails with "multiple definition": add that one here.
namespace std {
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_length_error(const char* what) { throw pelkor::RuntimeFailure(what); }
void __throw_logic_error(const char* what) { throw pelkor::RuntimeFailure(what); }
void __throw_out_of_range_fmt(const char* format, ...) { throw pelkor::RuntimeFailure(format); }
}  // namespace std
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DPI awareness comes from the manifest (per monitor where the system has it), and
    // COM is left to the web pages, so that ole32 and shell32 load only when one opens.
    int exitCode = 1;
    {
        pelkor::app::RealPlatform platform;
        pelkor::app::Application app(platform, pelkor::win::UserLanguage());
        if (app.Start()) exitCode = app.Run();
    }
    return exitCode;
}
