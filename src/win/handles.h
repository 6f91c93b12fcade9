#pragma once
// RAII owners for the few kinds of Win32 handle the program holds.
#include <windows.h>

#include <utility>

namespace pelkor::win {

template <typename Handle, typename Traits>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle h) : h_(h) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : h_(std::exchange(other.h_, Traits::invalid())) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(std::exchange(other.h_, Traits::invalid()));
        return *this;
    }
    ~Unique() { reset(); }

    void reset(Handle h = Traits::invalid()) {
        if (h_ != Traits::invalid()) Traits::close(h_);
        h_ = h;
    }
    Handle release() { return std::exchange(h_, Traits::invalid()); }
    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::invalid(); }

private:
    Handle h_ = Traits::invalid();
};

struct KernelHandleTraits {
    static HANDLE invalid() { return nullptr; }
    static void close(HANDLE h) { ::CloseHandle(h); }
};
struct FileHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { ::CloseHandle(h); }
};
struct FindHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { ::FindClose(h); }
};
template <typename T>
struct GdiTraits {
    static T invalid() { return nullptr; }
    static void close(T h) { ::DeleteObject(h); }
};
struct DcTraits {
    static HDC invalid() { return nullptr; }
    static void close(HDC h) { ::DeleteDC(h); }
};
struct IconTraits {
    static HICON invalid() { return nullptr; }
    static void close(HICON h) { ::DestroyIcon(h); }
};
struct WindowTraits {
    static HWND invalid() { return nullptr; }
    static void close(HWND h) { ::DestroyWindow(h); }
};

// A COM interface pointer: one reference, released with the owner.
template <typename Interface>
struct ComTraits {
    static Interface* invalid() { return nullptr; }
    static void close(Interface* p) { p->Release(); }
};
template <typename Interface>
using UniqueCom = Unique<Interface*, ComTraits<Interface>>;

using UniqueHandle = Unique<HANDLE, KernelHandleTraits>;
using UniqueFile = Unique<HANDLE, FileHandleTraits>;
using UniqueFind = Unique<HANDLE, FindHandleTraits>;
using UniqueFont = Unique<HFONT, GdiTraits<HFONT>>;
using UniqueBrush = Unique<HBRUSH, GdiTraits<HBRUSH>>;
using UniqueDC = Unique<HDC, DcTraits>;  // a DC made with CreateCompatibleDC
using UniqueIcon = Unique<HICON, IconTraits>;
using UniqueWindow = Unique<HWND, WindowTraits>;

}  // namespace pelkor::win
