#pragma once
// The one logging call of the library. Every class reports through FwdlLog;
// the format is checked against its arguments by the compiler.
#include <windows.h>

#if defined(__GNUC__)
#define FWDL_PRINTF(formatIndex, firstArgument) \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define FWDL_PRINTF(formatIndex, firstArgument)
#endif

namespace LogType {
constexpr DWORD Error = 0x1;
constexpr DWORD Warning = 0x2;
constexpr DWORD Info = 0x4;
constexpr DWORD Data = 0x8;
}  // namespace LogType

class LogConfig;

// The library's one log object, configured when the library is loaded.
LogConfig& TheLogConfig();

// Nothing is formatted unless the type is enabled.
void FwdlLog(DWORD type, const char* format, ...) FWDL_PRINTF(2, 3);
