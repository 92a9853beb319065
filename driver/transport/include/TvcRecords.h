#pragma once
// The records exchanged with the 1394 audio driver, laid out as the driver
// reads and writes them (little-endian, no padding).
#include <windows.h>

// Reply of IOCTL_TVC_GET_VERSION; only the first two bytes mean anything to us.
typedef struct _TVC_VERSION {
    BYTE Major;
    BYTE Minor;
    BYTE Reserved[10];
} TVC_VERSION, *PTVC_VERSION;

constexpr DWORD TVC_MAX_UNITS = 64;

// Reply of IOCTL_TVC_GET_DEVICE_LIST: the count, then the unit identifiers.
typedef struct _TVC_DEVICE_LIST {
    DWORD Count;
    DWORD Identifiers[TVC_MAX_UNITS];
} TVC_DEVICE_LIST, *PTVC_DEVICE_LIST;

// What the driver reports about one unit; the panel fetches it without
// reading it, the download library keeps bytes 88 to 423.
typedef struct _TVC_DEVICE_PROPERTIES {
    BYTE Bytes[432];
} TVC_DEVICE_PROPERTIES, *PTVC_DEVICE_PROPERTIES;

// Reply of IOCTL_TVC_GET_CLOCK_INFO.
typedef struct _TVC_CLOCK_INFO {
    DWORD Reserved0;
    DWORD SampleRate;  // Hz
    DWORD Reserved[9];
} TVC_CLOCK_INFO, *PTVC_CLOCK_INFO;

// Latency records 1 and 2; the fields after the first go back as read.
typedef struct _TVC_LATENCY {
    DWORD Latency;  // microseconds
    DWORD Reserved[3];
} TVC_LATENCY, *PTVC_LATENCY;

// Input of a bus read or write.
typedef struct _TVC_BUS_ADDRESS {
    DWORD AddressLow;
    DWORD AddressHigh;  // the upper 16 bits of the 48-bit address
    DWORD Reserved1;
    DWORD Reserved2;
} TVC_BUS_ADDRESS, *PTVC_BUS_ADDRESS;

constexpr DWORD TVC_AVC_FRAME_SIZE = 512;

// Input of IOCTL_TVC_AVC_COMMAND.
typedef struct _TVC_AVC_REQUEST {
    DWORD Constant;  // always 2000
    DWORD FrameLength;
    BYTE Frame[TVC_AVC_FRAME_SIZE];
} TVC_AVC_REQUEST, *PTVC_AVC_REQUEST;

// Output of IOCTL_TVC_AVC_COMMAND.
typedef struct _TVC_AVC_RESPONSE {
    DWORD Reserved;
    BYTE Frame[TVC_AVC_FRAME_SIZE];
} TVC_AVC_RESPONSE, *PTVC_AVC_RESPONSE;

static_assert(sizeof(TVC_VERSION) == 12, "version reply");
static_assert(sizeof(TVC_DEVICE_LIST) == 260, "unit list");
static_assert(sizeof(TVC_DEVICE_PROPERTIES) == 432, "properties record");
static_assert(sizeof(TVC_CLOCK_INFO) == 44, "clock record");
static_assert(sizeof(TVC_LATENCY) == 16, "latency record");
static_assert(sizeof(TVC_BUS_ADDRESS) == 16, "bus address record");
static_assert(sizeof(TVC_AVC_REQUEST) == 520, "AV/C request record");
static_assert(sizeof(TVC_AVC_RESPONSE) == 516, "AV/C response record");
