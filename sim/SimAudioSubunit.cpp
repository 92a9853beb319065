#include "SimAudioSubunit.h"

#include "SimBus.h"
#include "SimCodes.h"
#include "SimMixerControls.h"
#include "SimUnitSettings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr uint8_t kControl = 0x00;
constexpr uint8_t kStatus = 0x01;
constexpr uint8_t kAudioSubunit = 0x08;
constexpr uint8_t kFunctionBlock = 0xB8;
constexpr uint8_t kVendorDependent = 0x00;
constexpr uint8_t kFeatureBlock = 0x81;
constexpr uint8_t kSelectorBlock = 0x80;
constexpr uint8_t kNameCommand = 0x06;

std::string hex(uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

}  // namespace

namespace {
uint16_t rawOrInitial(const std::string& text, const std::string& key) {
    const SimMixerControl* control = SimMixerControls::byKey(key);
    uint64_t value = 0;
    if (!SimBus::parseNumber(text, value) || value > 0xFFFF)
        return control ? control->initial : 0;
    return uint16_t(value);
}
}  // namespace

uint16_t SimAudioSubunit::storedValue(int slot, const std::string& key) {
    return rawOrInitial(SimUnitSettings::instance().get(slot, key, ""), key);
}

uint16_t SimAudioSubunit::storedValue(const IniText& bus, int slot, const std::string& key) {
    return rawOrInitial(SimUnitSettings::instance().get(bus, slot, key, ""), key);
}

void SimAudioSubunit::store(const std::string& key, uint16_t value) {
    SimUnitSettings::instance().set(slot_, key, hex(value));
}

SimReply SimAudioSubunit::request(const uint8_t* in, uint32_t inSize, uint8_t* out,
                                  uint32_t outSize) {
    uint32_t head[2];
    if (in == nullptr || inSize < 520 || out == nullptr)
        return SimReply{SimCodes::kInvalidParameter, 0};
    if (outSize < 516)
        return SimReply{SimCodes::kInsufficientBuffer, 0};
    std::memcpy(head, in, sizeof head);
    if (head[0] != 2000 || head[1] > 512)
        return SimReply{SimCodes::kInvalidParameter, 0};
    std::memset(out, 0, 516);
    uint32_t length = answer(in + 8, head[1], out + 4);
    std::memcpy(out, &length, 4);
    return SimReply{0, 516};
}

uint32_t SimAudioSubunit::answer(const uint8_t* command, uint32_t length, uint8_t* response) {
    std::memcpy(response, command, length);
    uint8_t code = kNotImplemented;
    if (length >= 3 && (command[0] == kControl || command[0] == kStatus) &&
        command[1] == kAudioSubunit) {
        if (command[2] == kFunctionBlock && length >= 4 && command[3] == kFeatureBlock)
            code = featureBlock(command, length, response);
        else if (command[2] == kFunctionBlock && length >= 4 && command[3] == kSelectorBlock)
            code = selector(command, length, response);
        else if (command[2] == kVendorDependent)
            code = vendor(command, length, response);
    }
    if (length > 0)
        response[0] = code;
    return length;
}

uint8_t SimAudioSubunit::featureBlock(const uint8_t* frame, uint32_t length, uint8_t* response) {
    if (length < 10 || frame[5] != 0x10 || frame[6] != 0x02)
        return kNotImplemented;
    const SimMixerControl* control = SimMixerControls::feature(frame[4], frame[7], frame[8]);
    uint8_t dataLength = control && control->kind == SimMixerControl::Mute ? 1 : 2;
    if (control == nullptr || frame[9] != dataLength || length < 10u + dataLength)
        return kNotImplemented;
    if (frame[0] == kControl) {
        uint16_t value = dataLength == 1 ? frame[10] : uint16_t(frame[10] << 8 | frame[11]);
        if (dataLength == 1 && value != 0x60 && value != 0x70)
            return kRejected;
        store(control->key, value);
        return kAccepted;
    }
    uint16_t value = storedValue(slot_, control->key);
    if (dataLength == 1) {
        response[10] = uint8_t(value);
    } else {
        response[10] = uint8_t(value >> 8);
        response[11] = uint8_t(value);
    }
    return kStable;
}

uint8_t SimAudioSubunit::selector(const uint8_t* frame, uint32_t length, uint8_t* response) {
    if (length < 9 || frame[4] != 0x01 || frame[5] != 0x10 || frame[6] != 0x02 || frame[8] != 0x01)
        return kNotImplemented;
    if (frame[0] == kControl) {
        if (frame[7] > 1)
            return kRejected;
        store("MixBypass", frame[7]);
        return kAccepted;
    }
    response[7] = uint8_t(storedValue(slot_, "MixBypass"));
    return kStable;
}

uint8_t SimAudioSubunit::vendor(const uint8_t* frame, uint32_t length, uint8_t* response) {
    if (length < 9)
        return kNotImplemented;
    uint32_t company = uint32_t(frame[3]) << 16 | uint32_t(frame[4]) << 8 | frame[5];
    if (company != kCompanyId)
        return kRejected;
    uint8_t subCommand = frame[6];
    if (subCommand == kNameCommand)
        return unitName(frame, length, response);
    if (subCommand == 0x04 || subCommand == 0x07)
        return frame[0] == kControl ? kAccepted : kNotImplemented;
    const SimMixerControl* control = SimMixerControls::vendorSwitch(subCommand, frame[7]);
    if (control == nullptr)
        return subCommand <= 0x07 ? kRejected : kNotImplemented;
    if (frame[0] == kControl) {
        if (frame[8] > 1)
            return kRejected;
        store(control->key, frame[8]);
        return kAccepted;
    }
    response[8] = uint8_t(storedValue(slot_, control->key));
    return kStable;
}

uint8_t SimAudioSubunit::unitName(const uint8_t* frame, uint32_t length, uint8_t* response) {
    if (length < 15)
        return kNotImplemented;
    if (frame[0] == kControl) {
        // The name ends at a zero byte. Other control characters are refused:
        // a line break would split the unit's section of the bus file.
        std::string name(reinterpret_cast<const char*>(frame + 7), 6);
        name.erase(std::min(name.find('\0'), name.size()));
        if (IniText::hasControlCharacter(name))
            return kRejected;
        SimUnitSettings::instance().set(slot_, "Name", name);
        return kAccepted;
    }
    std::string name = SimUnitSettings::instance().get(slot_, "Name", "");
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    if (name.empty() && bus)
        name = SimBus::unitValue(*bus, slot_, "Name");
    std::memset(response + 7, 0, 8);
    name.copy(reinterpret_cast<char*>(response + 7), 6);
    return kStable;
}
