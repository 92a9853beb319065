#include "SimDownload.h"

#include "SimBootloader.h"
#include "SimBus.h"

#include <array>
#include <cstring>

namespace {

uint32_t wordAt(const uint8_t* bytes, size_t offset) {
    uint32_t value;
    std::memcpy(&value, bytes + offset, 4);
    return value;
}

std::string textAt(const uint8_t* bytes, size_t offset) {
    const char* text = reinterpret_cast<const char*>(bytes + offset);
    return std::string(text, strnlen(text, 8));
}

constexpr uint32_t kProgram = 0;
constexpr uint32_t kBootloader = 3;
constexpr size_t kV1HeaderSize = 112;
// What a unit can hold of one download; a host that keeps sending is refused.
constexpr size_t kMaxReceived = 64u << 20;

}  // namespace

int32_t SimDownload::start(const IniText& bus, int slot, const uint8_t* payload,
                           uint32_t windowSize) {
    if (SimBus::unitNumber(bus, slot, "BootloaderMode") == 0)
        return kNotInBootloader;
    if (SimBus::unitNumber(bus, slot, "FailStart") != 0)
        return kStartRefused;
    Announcement object{wordAt(payload, 0),  textAt(payload, 4),  textAt(payload, 12),
                        wordAt(payload, 20), wordAt(payload, 24), wordAt(payload, 28),
                        wordAt(payload, 32), wordAt(payload, 36)};
    bool image = object.type == kProgram || object.type == kBootloader;
    if (image && object.length > SimBus::unitNumber(bus, slot, "MaxImageLength"))
        return kTooLarge;
    bool wholeFile = SimBus::unitNumber(bus, slot, "ProtocolVersion") == 3;
    if (!(wholeFile && active_))
        clear();
    objects_.push_back(object);
    active_ = true;
    wholeFile_ = wholeFile;
    uint64_t blockSize = SimBus::unitNumber(bus, slot, "BlockSize");
    return int32_t(blockSize < windowSize ? blockSize : windowSize);
}

int32_t SimDownload::block(const IniText& bus, int slot, uint32_t number, const uint8_t* data,
                           uint32_t size) {
    if (!active_)
        return kNotStarted;
    if (number != nextBlock_)
        return kBadBlock;
    uint64_t failing = 0;
    if (SimBus::parseNumber(SimBus::unitValue(bus, slot, "FailBlock"), failing) &&
        failing == number)
        return kBlockFailed;
    if (received_.size() + size > kMaxReceived)
        return kTooLarge;
    received_.insert(received_.end(), data, data + size);
    ++nextBlock_;
    return 0;
}

int32_t SimDownload::end(const IniText& bus, int slot, uint32_t& crc) {
    crc = 0;
    if (!active_)
        return kNotStarted;
    crc = crc32(received_.data(), received_.size());
    const Announcement* image = program();
    bool good = image != nullptr &&
                (wholeFile_ ? fileArrived(*image) : objectArrived(objects_.front(), crc));
    if (SimBus::unitNumber(bus, slot, "BadEndCrc") != 0) {
        crc = ~crc;
        good = false;
    }
    if (good)
        SimBootloader::setPendingFirmware(
            slot, SimFirmware{image->version, image->build, image->date, image->time});
    clear();
    return 0;
}

void SimDownload::clear() {
    objects_.clear();
    received_.clear();
    nextBlock_ = 0;
    active_ = false;
    wholeFile_ = false;
}

const SimDownload::Announcement* SimDownload::program() const {
    for (const Announcement& object : objects_)
        if (object.type == kProgram)
            return &object;
    return nullptr;
}

bool SimDownload::objectArrived(const Announcement& object, uint32_t crc) const {
    return received_.size() == object.length && crc == object.crc;
}

// The whole file arrived when the image it carries matches the announced CRC.
bool SimDownload::fileArrived(const Announcement& image) const {
    if (received_.size() < kV1HeaderSize || std::memcmp(received_.data(), "TvCd", 4) != 0)
        return false;
    uint64_t offset = wordAt(received_.data(), 48);
    if (offset + image.length > received_.size())
        return false;
    return crc32(received_.data() + offset, image.length) == image.crc;
}

uint32_t SimDownload::crc32(const uint8_t* data, size_t size) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> entries{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
            entries[n] = c;
        }
        return entries;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}
