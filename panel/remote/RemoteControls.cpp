#include "RemoteControls.h"

#include <algorithm>

namespace {

using K = RemoteControl::Kind;

std::vector<RemoteControl> makeTable() {
    std::vector<RemoteControl> table{
        {"main.fader", "Mainfader", K::Level},
        {"main.mute", "MainMute", K::Switch},
        {"playback.fader", "PBfader", K::Level},
        {"playback.mute", "PBmute", K::Switch},
        {"mixbypass", "MixBypass", K::Switch},
        {"strip.1.left.fader", "Leftfader1", K::Level},
        {"strip.1.left.pan", "LeftPan1", K::Pan},
        {"strip.1.left.mute", "LeftMute1", K::Switch},
        {"strip.1.right.fader", "Rightfader1", K::Level},
        {"strip.1.right.pan", "RightPan1", K::Pan},
        {"strip.1.right.mute", "RightMute1", K::Switch},
        {"strip.1.link", "Link1", K::Switch},
        {"strip.2.left.fader", "Leftfader2", K::Level},
        {"strip.2.left.pan", "LeftPan2", K::Pan},
        {"strip.2.left.mute", "LeftMute2", K::Switch},
        {"strip.2.right.fader", "Rightfader2", K::Level},
        {"strip.2.right.pan", "RightPan2", K::Pan},
        {"strip.2.right.mute", "RightMute2", K::Switch},
        {"strip.2.link", "Link2", K::Switch},
        {"input.1.gain", "PreampGain1", K::Gain},
        {"input.1.phantom", "Phantom1", K::Switch},
        {"input.1.boost", "Boost1", K::Switch},
        {"input.1.limit", "Limiter1", K::Switch},
        {"input.2.gain", "PreampGain2", K::Gain},
        {"input.2.phantom", "Phantom2", K::Switch},
        {"input.2.boost", "Boost2", K::Switch},
        {"input.2.limit", "Limiter2", K::Switch},
        {"line.left", "LeftLine", K::Gain},
        {"line.right", "RightLine", K::Gain},
        {"phono", "Phono", K::Switch},
        {"headphones", "HeadPhones", K::Level},
    };
    return table;
}

template <typename Match>
const RemoteControl* find(Match match) {
    const std::vector<RemoteControl>& table = RemoteControls::all();
    auto it = std::find_if(table.begin(), table.end(), match);
    return it == table.end() ? nullptr : &*it;
}

}  // namespace

std::string RemoteControl::address() const {
    std::string path = name;
    std::replace(path.begin(), path.end(), '.', '/');
    return RemoteControls::kPrefix + path;
}

const std::vector<RemoteControl>& RemoteControls::all() {
    static const std::vector<RemoteControl> table = makeTable();
    return table;
}

const RemoteControl* RemoteControls::byName(const std::string& name) {
    return find([&](const RemoteControl& c) { return name == c.name; });
}

const RemoteControl* RemoteControls::byAddress(const std::string& address) {
    return find([&](const RemoteControl& c) { return address == c.address(); });
}

const RemoteControl* RemoteControls::byMixKey(const std::string& mixKey) {
    return find([&](const RemoteControl& c) { return mixKey == c.mixKey; });
}
