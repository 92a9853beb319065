#pragma once
// What the last successful enumeration found: the interface class GUID and
// the device-information set obtained for it.
#include <windows.h>
#include <setupapi.h>

class EnumerationContext {
public:
    EnumerationContext();
    virtual ~EnumerationContext();
    EnumerationContext(const EnumerationContext&) = delete;
    EnumerationContext& operator=(const EnumerationContext&) = delete;

    bool HasDeviceInfoSet() const { return m_DeviceInfoSet != nullptr; }
    HDEVINFO DeviceInfoSet() const { return m_DeviceInfoSet; }
    const GUID& InterfaceGuid() const { return m_InterfaceGuid; }
    void Set(const GUID& interfaceGuid, HDEVINFO deviceInfoSet);
    // Destroys the set and forgets the GUID.
    void Clear();

private:
    GUID m_InterfaceGuid;
    HDEVINFO m_DeviceInfoSet;
};
