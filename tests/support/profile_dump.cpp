#include "support/profile_dump.h"

#include <windows.h>

#include "win/text.h"

namespace pelkor::test {
namespace {

std::vector<std::string> SplitNulList(const std::vector<char>& buffer, DWORD length) {
    std::vector<std::string> items;
    std::string current;
    for (DWORD i = 0; i < length; ++i) {
        if (buffer[i] == '\0') {
            if (current.empty()) break;
            items.push_back(current);
            current.clear();
        } else {
            current += buffer[i];
        }
    }
    if (!current.empty()) items.push_back(current);
    return items;
}

bool SameName(const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) == 0; }

std::string KeyOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

}  // namespace

ProfileDump DumpProfile(const std::wstring& iniPath) {
    const std::string file = win::ToAnsi(iniPath);
    std::vector<char> buffer(4 * 1024 * 1024);
    const DWORD namesLength =
        ::GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
    ProfileDump dump;
    for (const std::string& name : SplitNulList(buffer, namesLength)) dump.push_back({name, {}});
    for (SectionDump& section : dump) {
        const DWORD length = ::GetPrivateProfileSectionA(section.name.c_str(), buffer.data(),
                                                         static_cast<DWORD>(buffer.size()), file.c_str());
        section.entries = SplitNulList(buffer, length);
    }
    return dump;
}

ProfileDump WithKeySet(ProfileDump dump, const std::string& section, const std::string& key, const std::string& value) {
    const std::string entry = key + "=" + value;
    for (SectionDump& s : dump) {
        if (!SameName(s.name, section)) continue;
        for (std::string& e : s.entries) {
            if (SameName(KeyOf(e), key)) {
                e = entry;
                return dump;
            }
        }
        s.entries.push_back(entry);
        return dump;
    }
    dump.push_back({section, {entry}});
    return dump;
}

std::vector<std::string> CommentLines(const std::string& bytes) {
    std::vector<std::string> comments;
    std::string line;
    auto flush = [&] {
        const auto start = line.find_first_not_of(" \t");
        if (start != std::string::npos && line[start] == ';') comments.push_back(line.substr(start));
        line.clear();
    };
    for (char c : bytes) {
        if (c == '\r' || c == '\n') {
            flush();
        } else {
            line += c;
        }
    }
    flush();
    return comments;
}

}  // namespace pelkor::test
