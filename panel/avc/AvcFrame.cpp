#include "AvcFrame.h"

namespace {

constexpr uint8_t kAudioSubunit = 0x08;
constexpr uint8_t kFunctionBlock = 0xB8;
constexpr uint8_t kVendorDependent = 0x00;
constexpr uint8_t kSelectorBlock = 0x80;
constexpr uint8_t kFeatureBlock = 0x81;
constexpr uint8_t kCurrentSetting = 0x10;
constexpr uint8_t kSelectorLength = 0x02;
constexpr uint8_t kSelectorControl = 0x01;
constexpr uint8_t kNameCommand = 0x06;

std::vector<uint8_t> vendorHead(AvcFrame::CommandType type, uint8_t subCommand) {
    return {type,
            kAudioSubunit,
            kVendorDependent,
            uint8_t(AvcFrame::kCompanyId >> 16),
            uint8_t(AvcFrame::kCompanyId >> 8),
            uint8_t(AvcFrame::kCompanyId),
            subCommand};
}

}  // namespace

std::vector<uint8_t> AvcFrame::feature(CommandType type, uint8_t block, uint8_t channel,
                                       Selector selector, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> frame = {type,     kAudioSubunit,       kFunctionBlock,  kFeatureBlock,
                                  block,    kCurrentSetting,     kSelectorLength, channel,
                                  selector, uint8_t(data.size())};
    for (uint8_t byte : data)
        frame.push_back(type == Status ? 0 : byte);
    return frame;
}

std::vector<uint8_t> AvcFrame::selector(CommandType type, uint8_t plug) {
    return {type,
            kAudioSubunit,
            kFunctionBlock,
            kSelectorBlock,
            0x01,
            kCurrentSetting,
            kSelectorLength,
            uint8_t(type == Status ? 0 : plug),
            kSelectorControl};
}

std::vector<uint8_t> AvcFrame::vendor(CommandType type, uint8_t subCommand, uint8_t argument1,
                                      uint8_t argument2) {
    std::vector<uint8_t> frame = vendorHead(type, subCommand);
    frame.push_back(argument1);
    frame.push_back(type == Status ? 0 : argument2);
    return frame;
}

std::vector<uint8_t> AvcFrame::unitName(CommandType type, const char* name) {
    std::vector<uint8_t> frame = vendorHead(type, kNameCommand);
    for (int i = 0; i < 6; ++i)
        frame.push_back(type == Status ? 0 : uint8_t(name[i]));
    frame.push_back(0);
    frame.push_back(0);
    return frame;
}
