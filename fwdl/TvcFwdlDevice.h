#pragma once
// The unit as the download library holds it: checked at open to be one of
// this family, reset into its bootloader and back for either protocol family,
// followed when a reset takes it off the bus, and finally disabled and
// enabled through the device installer so that the driver loads it afresh.
#include "EnumerationContext.h"
#include "TvcDevice.h"

#include <string>

class TvcFwdlDevice : public TvcDevice {
public:
    static constexpr DWORD PropertiesSize = 336;

    explicit TvcFwdlDevice(EnumerationContext& context);
    ~TvcFwdlDevice() override;

    TVCFWDL_STATUS Open(DWORD index, HDEVINFO deviceInfoSet, const GUID* interfaceGuid);
    TVCFWDL_STATUS Close();
    TVCFWDL_STATUS GetDeviceInfo(TVCFWDL_DEVICE_INFO* info, bool force);
    TVCFWDL_STATUS Reopen(const BYTE oldGuid[8], DWORD limitMs);
    TVCFWDL_STATUS ResetProt1and2(DWORD type);
    TVCFWDL_STATUS ResetProt3(DWORD type);
    TVCFWDL_STATUS SetState(DWORD change, BYTE* rebootRequired);
    TVCFWDL_STATUS Disable(BYTE* rebootRequired);
    TVCFWDL_STATUS Enable(BYTE* rebootRequired);
    TVCFWDL_STATUS IsRebootRequired(BYTE* rebootRequired);

    const EnumerationContext& Context() const { return m_Context; }
    const std::string& DevicePath() const { return m_DevicePath; }

private:
    TVCFWDL_STATUS ReadProperties();
    bool HasManufacturerMagic() const;
    void FillDeviceInfo(TVCFWDL_DEVICE_INFO* info) const;
    TVCFWDL_STATUS CheckMode(DWORD type, const char* halted, const char* started);
    bool WaitForInfoBlock(const char* logText, bool untilRemoved, DWORD limitMs, DWORD& elapsed);

    EnumerationContext& m_Context;
    std::string m_DevicePath;
    BYTE m_Properties[PropertiesSize];
};
