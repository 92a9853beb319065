#pragma once
// The download library's handle on the driver-wide control device: it stops
// every unit before the unit under download is reset and starts them again.
#include <windows.h>

#include <string>

class TvcStaticDevice {
public:
    explicit TvcStaticDevice(const std::string& path);
    virtual ~TvcStaticDevice();
    TvcStaticDevice(const TvcStaticDevice&) = delete;
    TvcStaticDevice& operator=(const TvcStaticDevice&) = delete;

    // 0 or 1; the device opens on first use and stays open for the next.
    DWORD StopAllDevices();
    DWORD StartAllDevices();
    DWORD Close();

private:
    DWORD Open();
    // Synchronous, no data either way.
    bool Issue(DWORD code);

    std::string m_Path;
    HANDLE m_hDevice;
};
