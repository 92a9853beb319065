#pragma once
#include "TvcRecords.h"

#include <windows.h>
#include <setupapi.h>

// The channel to one unit: found by index among the driver's device
// interfaces, opened for overlapped I/O, carrying synchronous requests
// (serialised, they share one overlapped record) and bus reads and writes
// that wait with a time limit. The panel and the download library both build
// it; they differ only in the version they accept, chosen at construction.
class CTvcCtrl {
public:
    enum Client {
        ForPanel,     // driver 2.10 or later
        ForDownload,  // driver 2.13 or later, and a capability word
    };

    explicit CTvcCtrl(Client client);
    virtual ~CTvcCtrl();
    CTvcCtrl(const CTvcCtrl&) = delete;
    CTvcCtrl& operator=(const CTvcCtrl&) = delete;

    DWORD Open(DWORD memberIndex, HDEVINFO deviceInfoSet, const GUID* interfaceClass);
    void Close();
    bool IsOpen() const { return m_hDevice != nullptr; }
    // A request that does not complete within the time limit is cancelled and
    // returns 0xE0008003.
    DWORD Ioctl(DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                LPDWORD bytesReturned = nullptr, DWORD timeoutMs = INFINITE);

    DWORD GetVersion(PTVC_VERSION version);
    // A unit that stops answering must not hold the panel's message thread, so
    // an AV/C command, and the version check when the panel opens a unit, wait
    // at most this long for the driver.
    static constexpr DWORD kAvcTimeoutMs = 250;
    DWORD SendAvcCommand(PTVC_AVC_REQUEST request, PTVC_AVC_RESPONSE response,
                         DWORD timeoutMs = kAvcTimeoutMs);
    DWORD GetCapabilities(DWORD* capabilities);
    DWORD AsyncReadSync(PTVC_BUS_ADDRESS address, LPVOID buffer, DWORD size,
                        LPDWORD bytesTransferred, DWORD timeoutMs);
    DWORD AsyncWriteSync(PTVC_BUS_ADDRESS address, LPVOID buffer, DWORD size,
                         LPDWORD bytesTransferred, DWORD timeoutMs);

    // The unit's records from the last open (null before the first one).
    const char* GetDevicePath() const;
    PSP_DEVINFO_DATA GetDeviceInfoData() const { return m_pDeviceInfoData; }

protected:
    // Takes an opened device handle and creates the event of the synchronous
    // requests; on failure closes the channel and returns 0xE0000100.
    DWORD AttachDevice(HANDLE device);

    HANDLE m_hDevice;
    OVERLAPPED m_Overlapped;
    CRITICAL_SECTION m_Lock;
    PSP_DEVINFO_DATA m_pDeviceInfoData;
    PSP_DEVICE_INTERFACE_DETAIL_DATA_A m_pInterfaceDetail;

private:
    DWORD FindUnit(DWORD memberIndex, HDEVINFO deviceInfoSet, const GUID* interfaceClass);
    DWORD CheckDriver();
    DWORD WaitPending(DWORD& bytes, DWORD timeoutMs);
    DWORD AsyncRequest(DWORD code, PTVC_BUS_ADDRESS address, LPVOID buffer, DWORD size,
                       LPDWORD bytesTransferred, DWORD timeoutMs);
    void FreeUnitRecords();

    Client m_Client;
};
