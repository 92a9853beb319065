#pragma once
// The floor of a download: the requests the library sends for a protocol 1
// or 2 object (download start; per block the data write, the request write
// and the response read; download end), issued straight through the
// platform layer with none of the library's logic around them.
#include "BenchFirmware.h"

#include <windows.h>

#include <string>

class FloorTransfer {
public:
    FloorTransfer() = default;
    ~FloorTransfer();
    FloorTransfer(const FloorTransfer&) = delete;
    FloorTransfer& operator=(const FloorTransfer&) = delete;

    // Opens the first unit of the 1394 audio interface class.
    bool Open(std::string& error);
    // Sends the firmware's image to the unit, which must be in its bootloader.
    bool Run(const BenchFirmware& firmware, std::string& error);

private:
    bool Transfer(DWORD code, uint64_t offset, void* data, DWORD size);
    bool Request(uint32_t code, uint32_t payloadWords, BYTE (&record)[64]);
    bool Start(const BenchFirmware& firmware, DWORD& blockSize);

    HANDLE m_Device = INVALID_HANDLE_VALUE;
    HANDLE m_Event = nullptr;
    uint32_t m_Sequence = 0;
};
