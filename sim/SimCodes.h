#pragma once
#include <cstdint>

// I/O control codes and statuses of the 1394 audio driver, as the simulated
// driver sees them.
namespace SimCodes {
constexpr uint32_t kGetVersion = 0x80882804;
constexpr uint32_t kSetDriverWord = 0x80882814;
constexpr uint32_t kGetDeviceList = 0x80882860;
constexpr uint32_t kGetDeviceProperties = 0x80882920;
constexpr uint32_t kGetClockInfo = 0x808828C0;
constexpr uint32_t kSetSampleRate = 0x808828C4;
constexpr uint32_t kGetLatency1 = 0x80882A88;
constexpr uint32_t kSetLatency1 = 0x80882A8C;
constexpr uint32_t kGetLatency2 = 0x80882A90;
constexpr uint32_t kSetLatency2 = 0x80882A94;
constexpr uint32_t kStopAllDevices = 0x80882A04;
constexpr uint32_t kStartAllDevices = 0x80882A00;
constexpr uint32_t kAvcCommand = 0x80883004;
constexpr uint32_t kBusRead = 0x80882C56;
constexpr uint32_t kBusWrite = 0x80882C51;
constexpr uint32_t kGetCapabilities = 0x80882C08;
constexpr uint32_t kGetResetGeneration = 0x80882C1C;
constexpr uint32_t kGetUnitProperties = 0x80882B00;

constexpr uint32_t kVersionSize = 12;
constexpr uint32_t kDeviceListSize = 260;
constexpr uint32_t kPropertiesSize = 432;
constexpr uint32_t kClockInfoSize = 44;
constexpr uint32_t kLatencySize = 16;
constexpr uint32_t kAddressSize = 16;

// Windows error codes the simulated driver answers with.
constexpr uint32_t kInvalidFunction = 1;
constexpr uint32_t kFileNotFound = 2;
constexpr uint32_t kGenFailure = 31;
constexpr uint32_t kNotSupported = 50;
constexpr uint32_t kInvalidParameter = 87;
constexpr uint32_t kInsufficientBuffer = 122;
// The driver's own status for a unit that has left the bus.
constexpr uint32_t kUnitRemoved = 0xE0000050;
}  // namespace SimCodes
