#include "KnobMotion.h"

juce::String KnobMotion::readStored() {
    return RegistryValue(kValuePath).read(kCircular);
}

bool KnobMotion::store(bool circular) {
    return RegistryValue(kValuePath).write(circular ? kCircular : kLinear);
}

std::optional<bool> KnobMotion::decode(const juce::String& stored) {
    if (stored == kCircular)
        return true;
    if (stored == kLinear)
        return false;
    return std::nullopt;
}

std::optional<bool> KnobMotion::chosen(int menuResult) {
    if (menuResult == kCircularItem)
        return true;
    if (menuResult == kLinearItem)
        return false;
    return std::nullopt;
}
