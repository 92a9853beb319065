#include "CTvc1394Driver.h"

#include "CAutoLock.h"
#include "TvcIoctl.h"
#include "TvcStatus.h"

#include <cstdio>

namespace {

// The driver series whose control interface this class speaks.
constexpr BYTE kMajorVersion = 2;
constexpr BYTE kMinimumMinorVersion = 10;

}  // namespace

CTvc1394Driver::CTvc1394Driver() : m_hDevice(nullptr) {
    InitializeCriticalSection(&m_Lock);
}

CTvc1394Driver::~CTvc1394Driver() {
    Close();
    DeleteCriticalSection(&m_Lock);
}

DWORD CTvc1394Driver::Open() {
    CAutoLock lock(m_Lock);
    if (m_hDevice != nullptr)
        return TVC_STATUS_SUCCESS;
    char path[64];
    std::snprintf(path, sizeof path, "\\\\.\\%s", TVC_CONTROL_DEVICE_GUID_TEXT);
    HANDLE device =
        CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return GetLastError();
    m_hDevice = device;
    TVC_VERSION version{};
    DWORD status = GetVersion(&version);
    if (status == TVC_STATUS_SUCCESS &&
        (version.Major != kMajorVersion || version.Minor < kMinimumMinorVersion))
        status = TVC_STATUS_VERSION_NOT_SUPPORTED;
    if (status != TVC_STATUS_SUCCESS)
        Close();
    return status;
}

void CTvc1394Driver::Close() {
    CAutoLock lock(m_Lock);
    if (m_hDevice != nullptr)
        CloseHandle(m_hDevice);
    m_hDevice = nullptr;
}

bool CTvc1394Driver::IsOpen() {
    CAutoLock lock(m_Lock);
    return m_hDevice != nullptr;
}

DWORD CTvc1394Driver::Ioctl(DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                            LPDWORD bytesReturned) {
    CAutoLock lock(m_Lock);
    if (m_hDevice == nullptr)
        return TVC_STATUS_DRIVER_NOT_OPEN;
    DWORD bytes = 0;
    DWORD status = TVC_STATUS_SUCCESS;
    if (!DeviceIoControl(m_hDevice, code, in, inSize, out, outSize, &bytes, nullptr))
        status = GetLastError();
    if (bytesReturned != nullptr)
        *bytesReturned = bytes;
    return status;
}

DWORD CTvc1394Driver::GetVersion(PTVC_VERSION version) {
    return Ioctl(IOCTL_TVC_GET_VERSION, nullptr, 0, version, sizeof *version);
}

DWORD CTvc1394Driver::SetDriverWord(DWORD* word) {
    return Ioctl(IOCTL_TVC_SET_DRIVER_WORD, word, sizeof *word, nullptr, 0);
}

DWORD CTvc1394Driver::GetDeviceList(PTVC_DEVICE_LIST list) {
    return Ioctl(IOCTL_TVC_GET_DEVICE_LIST, nullptr, 0, list, sizeof *list);
}

DWORD CTvc1394Driver::GetDeviceProperties(DWORD* identifier, PTVC_DEVICE_PROPERTIES properties) {
    return Ioctl(IOCTL_TVC_GET_DEVICE_PROPERTIES, identifier, sizeof *identifier, properties,
                 sizeof *properties);
}

DWORD CTvc1394Driver::GetLatency1(PTVC_LATENCY latency) {
    return Ioctl(IOCTL_TVC_GET_LATENCY1, nullptr, 0, latency, sizeof *latency);
}

DWORD CTvc1394Driver::SetLatency1(PTVC_LATENCY latency) {
    return Ioctl(IOCTL_TVC_SET_LATENCY1, latency, sizeof *latency, nullptr, 0);
}

DWORD CTvc1394Driver::GetLatency2(PTVC_LATENCY latency) {
    return Ioctl(IOCTL_TVC_GET_LATENCY2, nullptr, 0, latency, sizeof *latency);
}

DWORD CTvc1394Driver::SetLatency2(PTVC_LATENCY latency) {
    return Ioctl(IOCTL_TVC_SET_LATENCY2, latency, sizeof *latency, nullptr, 0);
}

DWORD CTvc1394Driver::GetClockInfo(PTVC_CLOCK_INFO clock) {
    return Ioctl(IOCTL_TVC_GET_CLOCK_INFO, nullptr, 0, clock, sizeof *clock);
}

DWORD CTvc1394Driver::SetSampleRate(DWORD rateHz) {
    DWORD input[2] = {0, rateHz};
    return Ioctl(IOCTL_TVC_SET_SAMPLE_RATE, input, sizeof input, nullptr, 0);
}

DWORD CTvc1394Driver::StopAllDevices() {
    return Ioctl(IOCTL_TVC_STOP_ALL_DEVICES, nullptr, 0, nullptr, 0);
}

DWORD CTvc1394Driver::StartAllDevices() {
    return Ioctl(IOCTL_TVC_START_ALL_DEVICES, nullptr, 0, nullptr, 0);
}
