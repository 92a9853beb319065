#include "TvcStaticDevice.h"

#include "Log.h"
#include "TvcIoctl.h"

TvcStaticDevice::TvcStaticDevice(const std::string& path)
    : m_Path(path), m_hDevice(INVALID_HANDLE_VALUE) {}

TvcStaticDevice::~TvcStaticDevice() {
    Close();
}

DWORD TvcStaticDevice::Open() {
    if (m_hDevice != INVALID_HANDLE_VALUE)
        return 0;
    m_hDevice = CreateFileA(m_Path.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (m_hDevice == INVALID_HANDLE_VALUE) {
        FwdlLog(LogType::Error, "opening static device \"%s\" failed with error = 0x%08X\n",
                m_Path.c_str(), unsigned(GetLastError()));
        return 1;
    }
    return 0;
}

DWORD TvcStaticDevice::Close() {
    if (m_hDevice == INVALID_HANDLE_VALUE)
        return 0;
    if (!CloseHandle(m_hDevice)) {
        FwdlLog(LogType::Error, "closing static device \"%s\" failed with error = 0x%08X\n",
                m_Path.c_str(), unsigned(GetLastError()));
        return 1;
    }
    m_hDevice = INVALID_HANDLE_VALUE;
    return 0;
}

DWORD TvcStaticDevice::StopAllDevices() {
    FwdlLog(LogType::Info, "[TvcStaticDevice::StopAllDevices\n");
    DWORD status = Open();
    if (status != 0) {
        FwdlLog(LogType::Error,
                "StopAllDevices: Open static device failed with TVCFWDL_STATUS 0x%08X\n",
                unsigned(status));
        return status;
    }
    if (!Issue(IOCTL_TVC_STOP_ALL_DEVICES)) {
        FwdlLog(LogType::Error, "StopAllDevices: DeviceIoControl failed with error = 0x%08X\n",
                unsigned(GetLastError()));
        return 1;
    }
    FwdlLog(LogType::Info, "]TvcStaticDevice::StopAllDevices\n");
    return 0;
}

DWORD TvcStaticDevice::StartAllDevices() {
    FwdlLog(LogType::Info, "[TvcStaticDevice::StartAllDevices\n");
    DWORD status = Open();
    if (status != 0) {
        FwdlLog(LogType::Error,
                "StartAllDevices: Open static device failed with TVCFWDL_STATUS 0x%08X\n",
                unsigned(status));
        return status;
    }
    if (!Issue(IOCTL_TVC_START_ALL_DEVICES)) {
        FwdlLog(LogType::Error, "StartAllDevices: DeviceIoControl failed with error = 0x%08X\n",
                unsigned(GetLastError()));
        return 1;
    }
    FwdlLog(LogType::Info, "]TvcStaticDevice::StartAllDevices\n");
    return 0;
}

bool TvcStaticDevice::Issue(DWORD code) {
    DWORD bytes = 0;
    return DeviceIoControl(m_hDevice, code, nullptr, 0, nullptr, 0, &bytes, nullptr) != FALSE;
}
