#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // The results are out before the process ends: under emulated 32-bit Wine, the end of
    // a process whose COM and UI Automation threads still run crashes now and then, and
    // takes the unflushed output with it.
    std::fflush(stdout);
    std::fflush(stderr);
    ::CoUninitialize();
    ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
