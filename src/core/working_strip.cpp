#include "core/working_strip.h"

namespace pelkor::core {

const std::wstring* WorkingStrip::Box(std::wstring_view array, int index) const {
    auto at = [&](const auto& boxes) -> const std::wstring* {
        return index >= 0 && static_cast<std::size_t>(index) < boxes.size() ? &boxes[static_cast<std::size_t>(index)]
                                                                            : nullptr;
    };
    if (array == L"Text1") return &Text1;
    if (array == L"txt1") return at(txt1);
    if (array == L"txt2") return at(txt2);
    if (array == L"txt3") return at(txt3);
    if (array == L"txt4") return at(txt4);
    if (array == L"txt5") return at(txt5);
    if (array == L"txt6") return at(txt6);
    if (array == L"txt7") return at(txt7);
    if (array == L"txt8") return at(txt8);
    if (array == L"txt9") return at(txt9);
    return nullptr;
}

}  // namespace pelkor::core
