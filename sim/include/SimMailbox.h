#pragma once
#include "IniText.h"
#include "SimDevice.h"
#include "SimDownload.h"
#include "SimTransferTiming.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// The unit's download mailbox: the host writes one 64-byte request to the
// request window (block data to the data window first) and polls the
// response window until the answer to that request appears. The state lives
// in the process that talks to the unit; what a download changes in the unit
// reaches the bus file through the bootloader.
class SimMailbox {
public:
    static constexpr uint64_t kRequestAddress = 0xFFFFC8021000ull;
    static constexpr uint64_t kDataAddress = 0xFFFFC8021040ull;
    static constexpr uint64_t kResponseAddress = 0xFFFFC8029000ull;
    static constexpr uint32_t kRecordSize = 64;
    static constexpr uint32_t kDataWindowSize = uint32_t(kResponseAddress - kDataAddress);

    static bool covers(uint64_t address, uint32_t size);
    static SimReply access(const IniText& bus, int slot, bool write, uint64_t address,
                           uint8_t* data, uint32_t size);
    // The last request record the unit took, for tests that check its bytes.
    static std::vector<uint8_t> lastRequest(int slot);

private:
    static SimMailbox& of(int slot);
    void forgetOtherBus();
    SimReply takeRequest(const IniText& bus, int slot, const uint8_t* record, uint32_t size);
    SimReply readResponse(uint64_t address, uint8_t* out, uint32_t size);
    void answer(const IniText& bus, int slot, const uint8_t* record, uint8_t* response);

    std::mutex lock_;
    std::string busPath_;
    uint8_t request_[kRecordSize] = {};
    uint8_t visible_[kRecordSize] = {};
    uint8_t pending_[kRecordSize] = {};
    bool hasPending_ = false;
    uint64_t readyAt_ = 0;
    uint8_t data_[kDataWindowSize] = {};
    SimDownload download_;
    SimTransferTiming timing_;
};
