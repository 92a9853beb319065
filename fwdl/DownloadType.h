#pragma once
// What a download sends: the values of DownloadType and the objects each
// one takes to the unit.
#include "MailboxRequest.h"

#include <windows.h>

namespace DownloadType {
constexpr DWORD CnEAndProgram = 1;
constexpr DWORD Program = 2;
constexpr DWORD CnEOnly = 3;
constexpr DWORD Bootloader = 4;
constexpr DWORD Idle = 2000000000;

constexpr bool IsKnown(DWORD type) {
    return type >= CnEAndProgram && type <= Bootloader;
}

constexpr bool HasCnE(DWORD type) {
    return type == CnEAndProgram || type == CnEOnly;
}

constexpr bool HasImage(DWORD type) {
    return type != CnEOnly;
}

constexpr DWORD ImageObject(DWORD type) {
    return type == Bootloader ? ObjectType::Bootloader : ObjectType::Program;
}
}  // namespace DownloadType
