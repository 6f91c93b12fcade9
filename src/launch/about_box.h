#pragma once
// Form2: the modeless about box, without an owner window.
#include <windows.h>

#include "win/window.h"

namespace pelkor::app {
class Application;
}

namespace pelkor::launch {

class Form2 final : public win::Window {
public:
    static constexpr wchar_t kClassName[] = L"PelkorForm2";

    explicit Form2(app::Application& app);
    ~Form2() override;

    // Creates the box on first use, shows it and makes it the active window.
    void Open();
    bool PreTranslateMessage(MSG& msg);

private:
    void OnDestroyed() override;

    app::Application& app_;
};

}  // namespace pelkor::launch
