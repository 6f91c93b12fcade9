// The camera group: the bars set the value labels, and the labels, not the bars, decide
// what Apply writes.
#include "core/editors.h"

namespace pelkor::core {

std::wstring CameraLabel(int position) { return std::to_wstring(position); }

Edit ApplyCamera(const CameraLabels& labels) {
    Edit edit;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        edit.writes.push_back({section::Viewport, kCameraBars[i].key, labels[i]});
    }
    return edit;
}

CameraLabels ResetCameraLabels() {
    const std::wstring text(value::Default);
    return {text, text, text};
}

}  // namespace pelkor::core
