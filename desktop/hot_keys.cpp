// Matching and running the hidden key combinations.
#include "desktop/hot_keys.h"

#include "desktop/file_association.h"

namespace ninefold {

namespace {

constexpr int kShiftAndAlt = 1 | 4;
constexpr int kKeyD = 68;
constexpr int kKeyE = 69;
constexpr int kKeyL = 76;

}  // namespace

HotKey MatchHotKey(int keyCode, int shift) {
    if (shift != kShiftAndAlt) {
        return HotKey::None;
    }
    switch (keyCode) {
        case kKeyE:
            return HotKey::RegisterExtension;
        case kKeyD:
            return HotKey::UnregisterExtension;
        case kKeyL:
            return HotKey::SearchSolution;
        default:
            return HotKey::None;
    }
}

HotKey HandleHotKey(int keyCode, int shift, const std::function<void()>& searchSolution) {
    const HotKey hotKey = MatchHotKey(keyCode, shift);
    switch (hotKey) {
        case HotKey::RegisterExtension:
            mdlExtension::RegisterExtension();
            break;
        case HotKey::UnregisterExtension:
            mdlExtension::UnregisterExtension();
            break;
        case HotKey::SearchSolution:
            if (searchSolution) {
                searchSolution();
            }
            break;
        case HotKey::None:
            break;
    }
    return hotKey;
}

}  // namespace ninefold
