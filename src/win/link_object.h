#pragma once
// What a screen reader finds on a link label: the system's own accessible object for
// the label, with only what differs for a link changed (role, state, default action).
// oleacc, ole32 and oleaut32 load at the first question, as the other system DLLs do.
#include <windows.h>
#include <oaidl.h>

#include "win/handles.h"
#include "win/language.h"
#include "win/system_library.h"

namespace pelkor::win {

class LinkObject {
public:
    LinkObject() = default;
    LinkObject(const LinkObject&) = delete;
    LinkObject& operator=(const LinkObject&) = delete;
    ~LinkObject();

    // The answer to WM_GETOBJECT for the link's OBJID_CLIENT; 0 where the system's objects
    // are missing, so that the label's own answer stands. Its default action sends the
    // parent the label's click (STN_CLICKED), as a click on it does.
    LRESULT Answer(HWND link, WPARAM wParam, Language language);

private:
    ITypeInfo* AccessibleType();

    SystemLibrary oleacc_{L"oleacc.dll"};
    SystemLibrary ole32_{L"ole32.dll"};
    SystemLibrary oleaut32_{L"oleaut32.dll"};
    // The object is handed over through COM, which the thread must have entered; left
    // again with this owner when entered here.
    bool comTried_ = false;
    bool comEntered_ = false;
    // IAccessible's type information, from oleacc's type library, for the objects'
    // IDispatch; null where the library is not registered.
    UniqueCom<ITypeInfo> accessibleType_;
    bool typeTried_ = false;
};

}  // namespace pelkor::win
