#pragma once
// gr.ini as the profile functions read it: every section with its entries, in order.
#include <string>
#include <vector>

namespace pelkor::test {

struct SectionDump {
    std::string name;
    std::vector<std::string> entries;  // "key=value" lines as GetPrivateProfileSection gives them
    bool operator==(const SectionDump&) const = default;
};
using ProfileDump = std::vector<SectionDump>;

ProfileDump DumpProfile(const std::wstring& iniPath);

// The dump with one key of one section set as a write of the profile functions sets it:
// replaced where it stands, else added at the end of the section, else in a new section.
ProfileDump WithKeySet(ProfileDump dump, const std::string& section, const std::string& key, const std::string& value);

// The comment lines of a file, in order, whatever its line endings.
std::vector<std::string> CommentLines(const std::string& bytes);

}  // namespace pelkor::test
