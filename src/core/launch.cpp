#include "core/launch.h"

namespace pelkor::core {

GameStart GameIn(std::wstring_view programDirectory) {
    // Joined without a test: at a drive root the path has two backslashes, which the
    // system reads as one.
    const std::wstring folder(programDirectory);
    const std::wstring game = folder + L"\\GeneRally.exe";
    return {game, L"\"" + game + L"\"", folder};
}

AfterStart After(Started started) {
    switch (started) {
        case Started::Yes: return {true, nullptr};
        case Started::Declined: return {};
        case Started::NeedsAdministrator:
        case Started::No: break;
    }
    return {false, &kError05};
}

}  // namespace pelkor::core
