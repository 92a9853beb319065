#include "UnitPaths.h"

#include <cstdlib>

const GUID kAudioClass = {
    0xE7E0EE33, 0x3A47, 0x48BE, {0xB7, 0xF2, 0xD8, 0x36, 0xDF, 0xA9, 0xD6, 0x27}};
const char* const kControlPath = "\\\\.\\{E7E0EE33-3A47-48be-B7F2-D836DFA9D627}";

std::vector<std::string> enumerateUnitPaths(DWORD& lastError) {
    std::vector<std::string> paths;
    HDEVINFO set =
        SetupDiGetClassDevsA(&kAudioClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) {
        lastError = GetLastError();
        return paths;
    }
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof data;
        if (!SetupDiEnumDeviceInterfaces(set, nullptr, &kAudioClass, index, &data)) {
            lastError = GetLastError();
            break;
        }
        DWORD required = 0;
        if (SetupDiGetDeviceInterfaceDetailA(set, &data, nullptr, 0, &required, nullptr) ||
            GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            lastError = GetLastError();
            break;
        }
        auto* detail = static_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(std::calloc(1, required));
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        SP_DEVINFO_DATA info{};
        info.cbSize = sizeof info;
        if (SetupDiGetDeviceInterfaceDetailA(set, &data, detail, required, nullptr, &info))
            paths.push_back(detail->DevicePath);
        std::free(detail);
    }
    SetupDiDestroyDeviceInfoList(set);
    return paths;
}

HANDLE openPath(const std::string& path, bool overlapped) {
    return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       overlapped ? FILE_FLAG_OVERLAPPED : 0, nullptr);
}
