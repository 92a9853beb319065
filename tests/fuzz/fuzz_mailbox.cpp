// Plays any bytes against the simulated unit's download mailbox as a series
// of bus writes and reads: block data into the data window, 64-byte request
// records, response reads, each at an offset and size the input chooses.
// The first byte picks the unit's protocol and whether it sits in its
// bootloader. Two bus files take turns, so every input meets a fresh mailbox.
#include "FuzzScratch.h"
#include "SimCodes.h"
#include "SimMailbox.h"
#include "SimUnitDevice.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr uint64_t kGuid = 0x0013A20000000001ull;

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return used_ == size_; }
    uint32_t byte() { return empty() ? 0 : data_[used_++]; }
    uint32_t word16() { return byte() << 8 | byte(); }
    std::vector<uint8_t> bytes(size_t count) {
        std::vector<uint8_t> out(count, 0);
        for (size_t i = 0; i < count && !empty(); ++i)
            out[i] = data_[used_++];
        return out;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t used_ = 0;
};

std::string busText(uint32_t unitByte) {
    return "[Unit1]\nPresent=1\nGuid=0x0013A20000000001\nProtocolVersion=" +
           std::to_string(1 + unitByte % 3) +
           "\nBootloaderMode=" + std::to_string(unitByte / 3 % 2) +
           "\nBlockSize=" + std::to_string(64 << (unitByte / 6 % 4)) + "\nMaxImageLength=0x4000\n";
}

void access(uint32_t code, uint64_t address, std::vector<uint8_t>& data) {
    uint32_t record[4] = {uint32_t(address), uint32_t(address >> 32), 0, 0};
    SimReply reply =
        SimUnitDevice(kGuid).request(code, reinterpret_cast<const uint8_t*>(record), sizeof record,
                                     data.data(), uint32_t(data.size()));
    if (reply.bytes > data.size())
        std::abort();
}

void step(Input& in) {
    switch (in.byte() % 3) {
    case 0: {
        uint64_t address = SimMailbox::kDataAddress + in.word16() % SimMailbox::kDataWindowSize;
        std::vector<uint8_t> data = in.bytes(in.word16() % 4096);
        access(SimCodes::kBusWrite, address, data);
        return;
    }
    case 1: {
        std::vector<uint8_t> record = in.bytes(SimMailbox::kRecordSize);
        access(SimCodes::kBusWrite, SimMailbox::kRequestAddress, record);
        return;
    }
    default: {
        uint32_t offset = in.byte() % SimMailbox::kRecordSize;
        std::vector<uint8_t> out(in.byte() % (SimMailbox::kRecordSize + 1));
        access(SimCodes::kBusRead, SimMailbox::kResponseAddress + offset, out);
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool second = false;
    second = !second;
    const std::string file = FuzzScratch::path(second ? "bus-b.ini" : "bus-a.ini");
    Input in(data, size);
    std::string text = busText(in.byte());
    if (!FuzzScratch::writeFile(file, reinterpret_cast<const uint8_t*>(text.data()), text.size()))
        return 0;
    ::setenv("TVC_SIM_BUS", file.c_str(), 1);
    for (int steps = 0; steps < 64 && !in.empty(); ++steps)
        step(in);
    return 0;
}
