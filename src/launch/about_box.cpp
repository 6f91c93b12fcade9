#include "launch/about_box.h"

#include "app/application.h"

namespace pelkor::launch {

Form2::Form2(app::Application& app) : app_(app) {}

Form2::~Form2() { Destroy(); }

void Form2::Open() {}

bool Form2::PreTranslateMessage(MSG& msg) { return IsAlive() && ::IsDialogMessageW(hwnd(), &msg); }

void Form2::OnDestroyed() { app_.WindowClosed(); }

}  // namespace pelkor::launch
