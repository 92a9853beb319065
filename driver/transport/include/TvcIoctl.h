#pragma once
// The host side of the 1394 audio driver's I/O control interface: device
// names, request codes and the sizes of their records.
#include <windows.h>

// Driver-wide control device, opened as "\\.\" followed by this text.
#define TVC_CONTROL_DEVICE_GUID_TEXT "{E7E0EE33-3A47-48be-B7F2-D836DFA9D627}"

// Device interface class of the units (the same value as the control device's name).
inline const GUID kTvcInterfaceClassGuid = {
    0xE7E0EE33, 0x3A47, 0x48BE, {0xB7, 0xF2, 0xD8, 0x36, 0xDF, 0xA9, 0xD6, 0x27}};

// Requests of the control device.
constexpr DWORD IOCTL_TVC_GET_VERSION = 0x80882804;  // also on a unit
constexpr DWORD IOCTL_TVC_SET_DRIVER_WORD = 0x80882814;
constexpr DWORD IOCTL_TVC_GET_DEVICE_LIST = 0x80882860;
constexpr DWORD IOCTL_TVC_GET_DEVICE_PROPERTIES = 0x80882920;
constexpr DWORD IOCTL_TVC_GET_CLOCK_INFO = 0x808828C0;
constexpr DWORD IOCTL_TVC_SET_SAMPLE_RATE = 0x808828C4;
constexpr DWORD IOCTL_TVC_GET_LATENCY1 = 0x80882A88;
constexpr DWORD IOCTL_TVC_SET_LATENCY1 = 0x80882A8C;
constexpr DWORD IOCTL_TVC_GET_LATENCY2 = 0x80882A90;
constexpr DWORD IOCTL_TVC_SET_LATENCY2 = 0x80882A94;
constexpr DWORD IOCTL_TVC_STOP_ALL_DEVICES = 0x80882A04;
constexpr DWORD IOCTL_TVC_START_ALL_DEVICES = 0x80882A00;

// Requests of a unit.
constexpr DWORD IOCTL_TVC_AVC_COMMAND = 0x80883004;
constexpr DWORD IOCTL_TVC_BUS_READ = 0x80882C56;
constexpr DWORD IOCTL_TVC_BUS_WRITE = 0x80882C51;
constexpr DWORD IOCTL_TVC_GET_CAPABILITIES = 0x80882C08;
constexpr DWORD IOCTL_TVC_GET_RESET_GENERATION = 0x80882C1C;
constexpr DWORD IOCTL_TVC_GET_UNIT_PROPERTIES = 0x80882B00;
