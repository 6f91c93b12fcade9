// A game installed under Program Files: once the game has written gr.ini there, Windows
// keeps its writes in a per-user copy, and the game reads that copy from then on.
#include "settings/virtual_store.h"

#include <fstream>
#include <iterator>

#include "support/form_fixture.h"
#include "support/ini_checks.h"

namespace pelkor::test {
namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    ::GetEnvironmentVariableW(name, value, MAX_PATH);
    return value;
}

class VirtualStoreTest : public FormTest {
protected:
    VirtualStoreTest() : FormTest(Environment(L"ProgramFiles(x86)")) {}

    // The copy's place, made folder by folder, and removed again with the copy.
    class Copy {
    public:
        explicit Copy(const std::wstring& iniBeside) {
            std::wstring folder = Environment(L"LOCALAPPDATA") + L"\\VirtualStore";
            const std::wstring rest = iniBeside.substr(2, iniBeside.rfind(L'\\') - 2);  // without drive and name
            ::CreateDirectoryW(folder.c_str(), nullptr);
            for (std::size_t at = 1; at <= rest.size(); ++at) {
                if (at == rest.size() || rest[at] == L'\\') {
                    folder_ = folder + rest.substr(0, at);
                    ::CreateDirectoryW(folder_.c_str(), nullptr);
                }
            }
            path_ = folder_ + iniBeside.substr(iniBeside.rfind(L'\\'));
        }
        ~Copy() {
            ::DeleteFileW(path_.c_str());
            ::RemoveDirectoryW(folder_.c_str());
        }
        void Write(const std::vector<std::string>& lines) const {
            std::ofstream out(path_.c_str(), std::ios::binary | std::ios::trunc);
            const std::string bytes = IniBytes(lines);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        std::string Read() const {
            std::ifstream in(path_.c_str(), std::ios::binary);
            return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        }

    private:
        std::wstring folder_;
        std::wstring path_;
    };
};

TEST_F(VirtualStoreTest, TheCopyIsTheFileReadAndWrittenAndTheOneBesideIsKept) {
    std::vector<std::string> beside = TypicalIniWith("VideoMemory", "16000");
    game_.WriteIni(beside);
    const Copy copy(game_.Ini());
    std::vector<std::string> copied = TypicalIniWith("VideoMemory", "64000");
    copy.Write(copied);
    StartShown();

    // The 64-bit exe finds the copy itself. The 32-bit one opens the file beside it, which
    // Windows redirects to the copy as it does the game's; Wine redirects nothing, so here
    // that one is the file read and written, and the copy is left alone.
    constexpr bool follows = settings::kFollowsVirtualStore;
    std::vector<std::string>& used = follows ? copied : beside;
    const std::vector<std::string>& kept = follows ? beside : copied;
    EXPECT_EQ(Text(Ctl(L"lblNow7")), follows ? L" 64" : L" 16");
    Click(Ctl(L"Option1", 1));
    SetValue(used, "VideoMemory", "4000");
    EXPECT_EQ(follows ? copy.Read() : game_.ReadIniBytes(), IniBytes(used));
    EXPECT_EQ(follows ? game_.ReadIniBytes() : copy.Read(), IniBytes(kept)) << "the other file stays as it was";
    EXPECT_TRUE(platform_.boxes.empty());
}

}  // namespace
}  // namespace pelkor::test
