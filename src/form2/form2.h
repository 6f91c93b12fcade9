#pragma once
// Form2: the modeless about box, without an owner window.
#include <windows.h>

#include <array>
#include <optional>

#include "form2/form2_design.h"
#include "platform/host.h"
#include "win/form_window.h"
#include "win/handles.h"

namespace pelkor::app {

class Form2 final : public win::FormWindow {
public:
    static constexpr wchar_t kClassName[] = L"PelkorForm2";

    explicit Form2(platform::Host& host);
    ~Form2() override;

    // Creates the box on first use, shows it and makes it the active window.
    void Open();
    bool PreTranslateMessage(MSG& msg);

private:
    void Form_MouseMove();
    void Label4_MouseMove();
    void Label4_Click();

    bool Create();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::optional<LRESULT> HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;
    void CreateControls() override;
    void OnSystemChange(bool colours) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    void OnDpiChanged() override { icon_.reset(); }
    SIZE DesignedOuterSize(int dpi) const override;
    // The box itself, not its link: an Enter right after opening it opens no page.
    HWND FirstFocus() const override { return nullptr; }

    platform::Host& host_;
    win::UniqueIcon icon_;
};

}  // namespace pelkor::app
