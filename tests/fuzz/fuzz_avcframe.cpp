// Hands any bytes to the simulated unit's audio subunit twice: as the frame
// of a well-formed 520-byte AV/C request record, and as the record itself.
// The response must keep the command's length and stay inside the record.
#include "FuzzScratch.h"
#include "SimAudioSubunit.h"
#include "SimCodes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint32_t kRequestSize = 520;
constexpr uint32_t kResponseSize = 516;
constexpr uint32_t kFrameSize = 512;

void send(const uint8_t* record) {
    uint8_t response[kResponseSize];
    SimAudioSubunit unit(1);
    SimReply reply = unit.request(record, kRequestSize, response, sizeof response);
    if (reply.status != 0)
        return;
    uint32_t length = 0;
    uint32_t sent = 0;
    std::memcpy(&length, response, 4);
    std::memcpy(&sent, record + 4, 4);
    if (reply.bytes != kResponseSize || length != sent)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzScratch::folder();
    uint8_t record[kRequestSize] = {};
    uint32_t head[2] = {2000, uint32_t(size < kFrameSize ? size : kFrameSize)};
    std::memcpy(record, head, sizeof head);
    if (size == 0)
        return 0;
    std::memcpy(record + 8, data, head[1]);
    send(record);
    std::memset(record, 0, sizeof record);
    std::memcpy(record, data, size < kRequestSize ? size : kRequestSize);
    send(record);
    return 0;
}
