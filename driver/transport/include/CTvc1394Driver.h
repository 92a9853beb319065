#pragma once
#include "TvcRecords.h"

#include <windows.h>

// The control panel's handle on the driver-wide control device: every request
// that concerns the driver as a whole. Each operation holds the object's
// (recursive) lock for its whole run.
class CTvc1394Driver {
public:
    CTvc1394Driver();
    virtual ~CTvc1394Driver();
    CTvc1394Driver(const CTvc1394Driver&) = delete;
    CTvc1394Driver& operator=(const CTvc1394Driver&) = delete;

    DWORD Open();
    void Close();
    bool IsOpen();
    DWORD Ioctl(DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                LPDWORD bytesReturned = nullptr);

    DWORD GetVersion(PTVC_VERSION version);
    DWORD SetDriverWord(DWORD* word);
    DWORD GetDeviceList(PTVC_DEVICE_LIST list);
    DWORD GetDeviceProperties(DWORD* identifier, PTVC_DEVICE_PROPERTIES properties);
    DWORD GetLatency1(PTVC_LATENCY latency);
    DWORD SetLatency1(PTVC_LATENCY latency);
    DWORD GetLatency2(PTVC_LATENCY latency);
    DWORD SetLatency2(PTVC_LATENCY latency);
    DWORD GetClockInfo(PTVC_CLOCK_INFO clock);
    DWORD SetSampleRate(DWORD rateHz);
    DWORD StopAllDevices();
    DWORD StartAllDevices();

private:
    CRITICAL_SECTION m_Lock;
    HANDLE m_hDevice;
};
