#pragma once
// Statuses of the driver-access classes. 0 is success and Windows error codes
// pass through; the classes add their own codes in the 0xE000xxxx range.
#include <windows.h>

constexpr DWORD TVC_STATUS_SUCCESS = 0;
constexpr DWORD TVC_STATUS_DRIVER_NOT_OPEN = 0xE0000013;  // control device closed
constexpr DWORD TVC_STATUS_VERSION_NOT_SUPPORTED = 0xE0000014;
constexpr DWORD TVC_STATUS_ALREADY_OPEN = 0xE0000030;  // unit channel already open
constexpr DWORD TVC_STATUS_UNIT_REMOVED = 0xE0000050;  // reported by the driver
constexpr DWORD TVC_STATUS_CREATE_EVENT_FAILED = 0xE0000100;
constexpr DWORD TVC_STATUS_OPEN_DEVICE_FAILED = 0xE0008001;
constexpr DWORD TVC_STATUS_NOT_OPEN = 0xE0008002;  // unit channel closed
constexpr DWORD TVC_STATUS_TIMEOUT = 0xE0008003;
constexpr DWORD TVC_STATUS_NO_DEVICE_INFO_SET = 0xE0008008;
constexpr DWORD TVC_STATUS_NO_UNIT_AT_INDEX = 0xE0008010;
constexpr DWORD TVC_STATUS_NO_MEMORY = 0xE0008020;
