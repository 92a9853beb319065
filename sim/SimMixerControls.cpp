#include "SimMixerControls.h"

#include "IniText.h"

namespace {

constexpr uint16_t kZeroDb = 0x0000;
constexpr uint16_t kCentre = 0xFF00;
constexpr uint16_t kMuteOff = 0x60;

void addFeature(std::vector<SimMixerControl>& list, SimMixerControl::Kind kind, uint8_t block,
                uint8_t channel) {
    static const char* const names[] = {"Volume", "Balance", "Mute"};
    std::string key =
        std::string(names[kind]) + std::to_string(block) + "." + std::to_string(channel);
    uint16_t initial = kind == SimMixerControl::Balance ? kCentre
                       : kind == SimMixerControl::Mute  ? kMuteOff
                                                        : kZeroDb;
    list.push_back(SimMixerControl{key, kind, block, channel, initial});
}

std::vector<SimMixerControl> build() {
    std::vector<SimMixerControl> list;
    for (uint8_t block : {1, 2})
        for (uint8_t channel : {1, 2})
            addFeature(list, SimMixerControl::Volume, block, channel);
    for (uint8_t block : {3, 4})
        for (uint8_t channel : {1, 2})
            for (auto kind :
                 {SimMixerControl::Volume, SimMixerControl::Balance, SimMixerControl::Mute})
                addFeature(list, kind, block, channel);
    for (uint8_t block : {5, 6}) {
        addFeature(list, SimMixerControl::Volume, block, 0);
        addFeature(list, SimMixerControl::Mute, block, 0);
    }
    addFeature(list, SimMixerControl::Volume, 7, 0);
    list.push_back(SimMixerControl{"MixBypass", SimMixerControl::Selector, 1, 0, 0});
    list.push_back(SimMixerControl{"Phono", SimMixerControl::Switch, 0x00, 0, 0});
    const char* const perChannel[] = {"Phantom", "Boost", "Limiter"};
    for (uint8_t sub = 1; sub <= 3; ++sub)
        for (uint8_t channel : {1, 2})
            list.push_back(SimMixerControl{perChannel[sub - 1] + std::to_string(channel),
                                           SimMixerControl::Switch, sub, channel, 0});
    for (uint8_t strip : {1, 2})
        list.push_back(SimMixerControl{"Link" + std::to_string(strip), SimMixerControl::Switch,
                                       0x05, strip, 0});
    return list;
}

}  // namespace

const std::vector<SimMixerControl>& SimMixerControls::all() {
    static const std::vector<SimMixerControl> list = build();
    return list;
}

const SimMixerControl* SimMixerControls::feature(uint8_t block, uint8_t channel, uint8_t selector) {
    if (selector < 1 || selector > 3)
        return nullptr;
    static const SimMixerControl::Kind kinds[] = {SimMixerControl::Mute, SimMixerControl::Volume,
                                                  SimMixerControl::Balance};
    for (const SimMixerControl& control : all())
        if (control.kind == kinds[selector - 1] && control.block == block &&
            control.channel == channel)
            return &control;
    return nullptr;
}

const SimMixerControl* SimMixerControls::vendorSwitch(uint8_t subCommand, uint8_t argument) {
    for (const SimMixerControl& control : all())
        if (control.kind == SimMixerControl::Switch && control.block == subCommand &&
            control.channel == argument)
            return &control;
    return nullptr;
}

const SimMixerControl* SimMixerControls::byKey(const std::string& key) {
    for (const SimMixerControl& control : all())
        if (IniText::sameName(control.key, key))
            return &control;
    return nullptr;
}
