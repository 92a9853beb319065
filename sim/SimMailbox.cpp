#include "SimMailbox.h"

#include "SimBootloader.h"
#include "SimBus.h"
#include "SimClock.h"
#include "SimCodes.h"
#include "SimKeys.h"

#include <cstring>

namespace {

constexpr uint32_t kReset = 2;
constexpr uint32_t kDownloadStart = 4;
constexpr uint32_t kDownloadBlock = 5;
constexpr uint32_t kDownloadEnd = 6;
constexpr int32_t kUnknownRequest = -16;

uint32_t wordAt(const uint8_t* bytes, uint32_t offset) {
    uint32_t value;
    std::memcpy(&value, bytes + offset, 4);
    return value;
}

void putWord(uint8_t* bytes, uint32_t offset, uint32_t value) {
    std::memcpy(bytes + offset, &value, 4);
}

bool inside(uint64_t address, uint32_t size, uint64_t start, uint32_t length) {
    return address >= start && size <= length && address - start <= length - size;
}

}  // namespace

bool SimMailbox::covers(uint64_t address, uint32_t size) {
    return inside(address, size, kRequestAddress, kRecordSize) ||
           inside(address, size, kDataAddress, kDataWindowSize) ||
           inside(address, size, kResponseAddress, kRecordSize);
}

SimMailbox& SimMailbox::of(int slot) {
    static SimMailbox mailboxes[SimKeys::kUnitSlots + 1];
    return mailboxes[(slot >= 1 && slot <= SimKeys::kUnitSlots) ? slot : 0];
}

SimReply SimMailbox::access(const IniText& bus, int slot, bool write, uint64_t address,
                            uint8_t* data, uint32_t size) {
    SimMailbox& box = of(slot);
    std::lock_guard<std::mutex> guard(box.lock_);
    box.forgetOtherBus();
    // A transfer the bus cut short: the host sees one byte less than it asked for.
    if (size > 0 && SimBus::unitNumber(bus, slot, "ShortTransfer") != 0)
        return SimReply{0, size - 1};
    if (!write)
        return box.readResponse(address, data, size);
    if (inside(address, size, kDataAddress, kDataWindowSize)) {
        if (box.download_.active())
            box.timing_.blockData();
        if (size > 0)
            std::memcpy(box.data_ + (address - kDataAddress), data, size);
        return SimReply{0, size};
    }
    return box.takeRequest(bus, slot, data, size);
}

std::vector<uint8_t> SimMailbox::lastRequest(int slot) {
    SimMailbox& box = of(slot);
    std::lock_guard<std::mutex> guard(box.lock_);
    return std::vector<uint8_t>(box.request_, box.request_ + kRecordSize);
}

// A test's next bus file is another machine: nothing carries over.
void SimMailbox::forgetOtherBus() {
    std::string path = SimBus::path();
    if (path == busPath_)
        return;
    busPath_ = path;
    std::memset(request_, 0, kRecordSize);
    std::memset(visible_, 0, kRecordSize);
    hasPending_ = false;
    download_.clear();
}

SimReply SimMailbox::readResponse(uint64_t address, uint8_t* out, uint32_t size) {
    if (!inside(address, size, kResponseAddress, kRecordSize))
        return SimReply{SimCodes::kNotSupported, 0};
    if (hasPending_ && SimClock::nowMs() >= readyAt_) {
        std::memcpy(visible_, pending_, kRecordSize);
        hasPending_ = false;
    }
    // A read of no bytes may come without a buffer.
    if (size > 0)
        std::memcpy(out, visible_ + (address - kResponseAddress), size);
    return SimReply{0, size};
}

SimReply SimMailbox::takeRequest(const IniText& bus, int slot, const uint8_t* record,
                                 uint32_t size) {
    if (size != kRecordSize)
        return SimReply{SimCodes::kInvalidParameter, 0};
    std::memcpy(request_, record, kRecordSize);
    uint32_t code = (wordAt(record, 4) >> 16) & 0xFF;
    if (code == kReset) {
        download_.clear();
        hasPending_ = false;
        SimBootloader::reset(slot, wordAt(record, 8));
        return SimReply{0, size};
    }
    std::memset(pending_, 0, kRecordSize);
    answer(bus, slot, record, pending_);
    hasPending_ = true;
    readyAt_ = SimClock::nowMs() + SimBus::unitNumber(bus, slot, "ResponseDelayMs");
    return SimReply{0, size};
}

void SimMailbox::answer(const IniText& bus, int slot, const uint8_t* record, uint8_t* response) {
    uint32_t word = wordAt(record, 4);
    putWord(response, 0, wordAt(record, 0));
    putWord(response, 4, (word & 0xFFFFFF) | (2u << 24));
    switch ((word >> 16) & 0xFF) {
    case kDownloadStart:
        if (!download_.active())
            timing_.started();
        putWord(response, 8, uint32_t(download_.start(bus, slot, record + 8, kDataWindowSize)));
        return;
    case kDownloadBlock: {
        uint32_t number = wordAt(record, 8);
        uint32_t blockSize = wordAt(record, 16);
        int32_t status = blockSize > kDataWindowSize
                             ? SimDownload::kBadBlock
                             : download_.block(bus, slot, number, data_, blockSize);
        putWord(response, 8, number);
        putWord(response, 12, uint32_t(status));
        return;
    }
    case kDownloadEnd: {
        uint32_t crc = 0;
        timing_.ended(download_.receivedBytes());
        int32_t status = download_.end(bus, slot, crc);
        putWord(response, 8, crc);
        putWord(response, 12, uint32_t(status));
        return;
    }
    case 10:
    case 12: return;
    default: putWord(response, 12, uint32_t(kUnknownRequest));
    }
}
