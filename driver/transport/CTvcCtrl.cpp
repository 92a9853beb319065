#include "CTvcCtrl.h"

#include "TvcIoctl.h"
#include "TvcStatus.h"

#include <cstdlib>

namespace {

constexpr BYTE kMajorVersion = 2;
constexpr BYTE kPanelMinorVersion = 10;
constexpr BYTE kDownloadMinorVersion = 13;

// One bus read or write in flight: its own event and overlapped record, so
// that it may run beside the synchronous requests.
struct AsyncRequestRecord {
    DWORD BytesTransferred;
    DWORD Status;
    LPVOID Buffer;
    DWORD BufferSize;
    OVERLAPPED Overlapped;
};

DWORD FinishPending(HANDLE device, AsyncRequestRecord& request, DWORD timeoutMs) {
    if (WaitForSingleObject(request.Overlapped.hEvent, timeoutMs) != WAIT_OBJECT_0) {
        // The record must outlive the request: wait for the cancelled request to end.
        CancelIo(device);
        WaitForSingleObject(request.Overlapped.hEvent, INFINITE);
        return TVC_STATUS_TIMEOUT;
    }
    if (!GetOverlappedResult(device, &request.Overlapped, &request.BytesTransferred, FALSE))
        return GetLastError();
    return TVC_STATUS_SUCCESS;
}

}  // namespace

CTvcCtrl::CTvcCtrl(Client client)
    : m_hDevice(nullptr),
      m_Overlapped{},
      m_pDeviceInfoData(nullptr),
      m_pInterfaceDetail(nullptr),
      m_Client(client) {
    InitializeCriticalSection(&m_Lock);
}

CTvcCtrl::~CTvcCtrl() {
    Close();
    DeleteCriticalSection(&m_Lock);
    FreeUnitRecords();
}

DWORD CTvcCtrl::Open(DWORD memberIndex, HDEVINFO deviceInfoSet, const GUID* interfaceClass) {
    if (m_hDevice != nullptr)
        return TVC_STATUS_ALREADY_OPEN;
    if (deviceInfoSet == nullptr || deviceInfoSet == INVALID_HANDLE_VALUE ||
        interfaceClass == nullptr)
        return TVC_STATUS_NO_DEVICE_INFO_SET;
    FreeUnitRecords();
    DWORD status = FindUnit(memberIndex, deviceInfoSet, interfaceClass);
    if (status != TVC_STATUS_SUCCESS)
        return status;
    HANDLE device = CreateFileA(m_pInterfaceDetail->DevicePath, GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return TVC_STATUS_OPEN_DEVICE_FAILED;
    status = AttachDevice(device);
    if (status == TVC_STATUS_SUCCESS)
        status = CheckDriver();
    return status;
}

// Fills the two kept records of the unit at the index.
DWORD CTvcCtrl::FindUnit(DWORD memberIndex, HDEVINFO deviceInfoSet, const GUID* interfaceClass) {
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof interfaceData;
    if (!SetupDiEnumDeviceInterfaces(deviceInfoSet, nullptr, interfaceClass, memberIndex,
                                     &interfaceData)) {
        DWORD error = GetLastError();
        return error == ERROR_NO_MORE_ITEMS ? TVC_STATUS_NO_UNIT_AT_INDEX : error;
    }
    DWORD detailSize = 0;
    SetupDiGetDeviceInterfaceDetailA(deviceInfoSet, &interfaceData, nullptr, 0, &detailSize,
                                     nullptr);
    if (detailSize < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) {
        DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
    }
    m_pInterfaceDetail =
        static_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(std::calloc(1, detailSize));
    m_pDeviceInfoData = static_cast<PSP_DEVINFO_DATA>(std::calloc(1, sizeof(SP_DEVINFO_DATA)));
    if (m_pInterfaceDetail == nullptr || m_pDeviceInfoData == nullptr)
        return TVC_STATUS_NO_MEMORY;
    m_pInterfaceDetail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    m_pDeviceInfoData->cbSize = sizeof(SP_DEVINFO_DATA);
    if (!SetupDiGetDeviceInterfaceDetailA(deviceInfoSet, &interfaceData, m_pInterfaceDetail,
                                          detailSize, nullptr, m_pDeviceInfoData))
        return GetLastError();
    return TVC_STATUS_SUCCESS;
}

DWORD CTvcCtrl::AttachDevice(HANDLE device) {
    m_hDevice = device;
    m_Overlapped = OVERLAPPED{};
    m_Overlapped.hEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (m_Overlapped.hEvent == nullptr) {
        Close();
        return TVC_STATUS_CREATE_EVENT_FAILED;
    }
    return TVC_STATUS_SUCCESS;
}

// The version check, and for the download library the capability word.
DWORD CTvcCtrl::CheckDriver() {
    TVC_VERSION version{};
    // The panel opens units on its message thread, so its version check is
    // bounded as its AV/C commands are; the download library's worker waits.
    DWORD limit = m_Client == ForPanel ? kAvcTimeoutMs : INFINITE;
    DWORD status =
        Ioctl(IOCTL_TVC_GET_VERSION, nullptr, 0, &version, sizeof version, nullptr, limit);
    BYTE minimumMinor = m_Client == ForDownload ? kDownloadMinorVersion : kPanelMinorVersion;
    if (status == TVC_STATUS_SUCCESS &&
        (version.Major != kMajorVersion || version.Minor < minimumMinor))
        status = TVC_STATUS_VERSION_NOT_SUPPORTED;
    DWORD capabilities = 0;
    if (status == TVC_STATUS_SUCCESS && m_Client == ForDownload)
        status = GetCapabilities(&capabilities);
    if (status != TVC_STATUS_SUCCESS)
        Close();
    return status;
}

void CTvcCtrl::Close() {
    if (m_hDevice != nullptr)
        CloseHandle(m_hDevice);
    m_hDevice = nullptr;
    if (m_Overlapped.hEvent != nullptr)
        CloseHandle(m_Overlapped.hEvent);
    m_Overlapped.hEvent = nullptr;
}

void CTvcCtrl::FreeUnitRecords() {
    std::free(m_pInterfaceDetail);
    std::free(m_pDeviceInfoData);
    m_pInterfaceDetail = nullptr;
    m_pDeviceInfoData = nullptr;
}

const char* CTvcCtrl::GetDevicePath() const {
    return m_pInterfaceDetail != nullptr ? m_pInterfaceDetail->DevicePath : nullptr;
}

DWORD CTvcCtrl::Ioctl(DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                      LPDWORD bytesReturned, DWORD timeoutMs) {
    if (m_hDevice == nullptr)
        return TVC_STATUS_NOT_OPEN;
    DWORD bytes = 0;
    DWORD status = TVC_STATUS_SUCCESS;
    EnterCriticalSection(&m_Lock);
    if (!DeviceIoControl(m_hDevice, code, in, inSize, out, outSize, &bytes, &m_Overlapped)) {
        status = GetLastError();
        if (status == ERROR_IO_PENDING)
            status = WaitPending(bytes, timeoutMs);
    }
    LeaveCriticalSection(&m_Lock);
    if (bytesReturned != nullptr)
        *bytesReturned = bytes;
    return status;
}

// The output buffer and the overlapped record belong to the caller and to this
// object, so a request past its limit is cancelled and waited out before they go.
DWORD CTvcCtrl::WaitPending(DWORD& bytes, DWORD timeoutMs) {
    if (WaitForSingleObject(m_Overlapped.hEvent, timeoutMs) != WAIT_OBJECT_0) {
        CancelIo(m_hDevice);
        GetOverlappedResult(m_hDevice, &m_Overlapped, &bytes, TRUE);
        bytes = 0;
        return TVC_STATUS_TIMEOUT;
    }
    return GetOverlappedResult(m_hDevice, &m_Overlapped, &bytes, FALSE) ? TVC_STATUS_SUCCESS
                                                                        : GetLastError();
}

DWORD CTvcCtrl::GetVersion(PTVC_VERSION version) {
    return Ioctl(IOCTL_TVC_GET_VERSION, nullptr, 0, version, sizeof *version);
}

DWORD CTvcCtrl::SendAvcCommand(PTVC_AVC_REQUEST request, PTVC_AVC_RESPONSE response,
                               DWORD timeoutMs) {
    return Ioctl(IOCTL_TVC_AVC_COMMAND, request, sizeof *request, response, sizeof *response,
                 nullptr, timeoutMs);
}

DWORD CTvcCtrl::GetCapabilities(DWORD* capabilities) {
    return Ioctl(IOCTL_TVC_GET_CAPABILITIES, nullptr, 0, capabilities, sizeof *capabilities);
}

DWORD CTvcCtrl::AsyncReadSync(PTVC_BUS_ADDRESS address, LPVOID buffer, DWORD size,
                              LPDWORD bytesTransferred, DWORD timeoutMs) {
    return AsyncRequest(IOCTL_TVC_BUS_READ, address, buffer, size, bytesTransferred, timeoutMs);
}

DWORD CTvcCtrl::AsyncWriteSync(PTVC_BUS_ADDRESS address, LPVOID buffer, DWORD size,
                               LPDWORD bytesTransferred, DWORD timeoutMs) {
    return AsyncRequest(IOCTL_TVC_BUS_WRITE, address, buffer, size, bytesTransferred, timeoutMs);
}

DWORD CTvcCtrl::AsyncRequest(DWORD code, PTVC_BUS_ADDRESS address, LPVOID buffer, DWORD size,
                             LPDWORD bytesTransferred, DWORD timeoutMs) {
    if (m_hDevice == nullptr)
        return TVC_STATUS_NOT_OPEN;
    AsyncRequestRecord request{0, TVC_STATUS_SUCCESS, buffer, size, OVERLAPPED{}};
    request.Overlapped.hEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (request.Overlapped.hEvent == nullptr)
        return TVC_STATUS_CREATE_EVENT_FAILED;
    if (!DeviceIoControl(m_hDevice, code, address, sizeof *address, request.Buffer,
                         request.BufferSize, &request.BytesTransferred, &request.Overlapped)) {
        request.Status = GetLastError();
        if (request.Status == ERROR_IO_PENDING)
            request.Status = FinishPending(m_hDevice, request, timeoutMs);
    }
    if (request.Status == TVC_STATUS_TIMEOUT)
        request.BytesTransferred = 0;
    if (bytesTransferred != nullptr)
        *bytesTransferred = request.BytesTransferred;
    CloseHandle(request.Overlapped.hEvent);
    return request.Status;
}
