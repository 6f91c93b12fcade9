#include "memory_file.h"

#include <stdexcept>

namespace pelkor::test {
namespace {

std::wstring Name(std::wstring_view section, std::wstring_view key) {
    return std::wstring(section) + L"/" + std::wstring(key);
}

}  // namespace

MemoryFile::MemoryFile() {
    const std::pair<const wchar_t*, std::vector<std::pair<const wchar_t*, const wchar_t*>>> sections[] = {
        {L"Misc",
         {{L"PaletteFile", L"Palettes\\gr.pal"},
          {L"ScreenshotWidth", L"640"},
          {L"ScreenshotHeight", L"480"},
          {L"AlternativeSpeedSetting", L"0"},
          {L"ScreenshotFormat", L"bmp"}}},
        {L"Replay", {{L"Length", L"600"}, {L"FrameStep", L"5"}}},
        {L"Viewport", {{L"ViewAngle", L"default"}, {L"Rotation", L"default"}, {L"Zoom", L"default"}}},
        {L"Graphics", {{L"FasterTrackPreview", L"0"}, {L"TyreAutoSort", L"1"}, {L"VideoMemory", L"autodetect"}}},
    };
    for (const auto& [section, entries] : sections) {
        for (const auto& [key, value] : entries) {
            keys_[Name(section, key)] = value;
            sectionOf_[key] = section;
        }
    }
}

std::optional<std::wstring> MemoryFile::Read(std::wstring_view section, std::wstring_view key) {
    const std::wstring name = Name(section, key);
    calls.push_back(name);
    if (refused.count(name)) return std::nullopt;
    const auto found = keys_.find(name);
    return found == keys_.end() ? std::wstring() : found->second;
}

bool MemoryFile::Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    const std::wstring name = Name(section, key);
    calls.push_back(name + L"=" + std::wstring(value));
    if (refused.count(name)) return false;
    keys_[name] = value;
    return true;
}

std::wstring& MemoryFile::operator[](std::wstring_view key) {
    const auto section = sectionOf_.find(std::wstring(key));
    if (section == sectionOf_.end()) throw std::logic_error("no such key in the typical file");
    return keys_[Name(section->second, key)];
}

void MemoryFile::Remove(std::wstring_view key) {
    const auto section = sectionOf_.find(std::wstring(key));
    if (section == sectionOf_.end()) throw std::logic_error("no such key in the typical file");
    keys_.erase(Name(section->second, key));
}

}  // namespace pelkor::test
