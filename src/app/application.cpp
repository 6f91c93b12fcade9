#include "app/application.h"

#include "form1/form1.h"
#include "form2/form2.h"

namespace pelkor::app {

Application::Application(Platform& platform, win::Language language) : platform_(platform), language_(language) {}

Application::~Application() {
    // Windows destroyed here are not the user closing them: nothing more to end.
    ended_ = true;
    form2_.reset();
    form1_.reset();
}

bool Application::Start() {
    colours_.SetHighContrast(platform_.HighContrast());
    form1_ = std::make_unique<Form1>(*this);
    form1_->Load();
    if (!form1_->IsAlive()) return false;
    form1_->Show();
    return true;
}

int Application::Run() {
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool Application::PreTranslateMessage(MSG& msg) {
    if (form2_ && form2_->PreTranslateMessage(msg)) return true;
    return form1_ && form1_->PreTranslateMessage(msg);
}

void Application::OpenAboutBox() {
    if (!form2_ || !form2_->IsAlive()) form2_ = std::make_unique<Form2>(*this);
    form2_->Open();
}

HWND Application::MainWindowHandle() const { return form1_ && form1_->IsAlive() ? form1_->hwnd() : nullptr; }

void Application::EndAfterLaunch() { CloseAll(0); }

void Application::EndAfterFailure() { CloseAll(1); }

void Application::CloseAll(int exitCode) {
    exitCode_ = exitCode;
    if (form2_) form2_->Destroy();
    if (form1_) form1_->Destroy();
}

void Application::SystemChanged(bool colours) {
    const bool changed = colours_.SetHighContrast(platform_.HighContrast());
    if (!changed && !colours) return;
    for (win::Window* window : {static_cast<win::Window*>(form1_.get()), static_cast<win::Window*>(form2_.get())}) {
        if (window && window->IsAlive()) {
            ::RedrawWindow(window->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
    }
}

void Application::WindowClosed() {
    if (ended_) return;
    const bool mainOpen = form1_ && form1_->IsAlive();
    const bool aboutOpen = form2_ && form2_->IsAlive();
    if (mainOpen || aboutOpen) return;
    ended_ = true;
    platform_.EndProgram(exitCode_);
}

}  // namespace pelkor::app
