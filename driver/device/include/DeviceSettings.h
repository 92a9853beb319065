#pragma once
#include "DeviceModel.h"

#include <windows.h>

// The driver's sample rate and latency as the panel's selectors offer them:
// an index into a fixed table. Works on the process-wide device model.
class DeviceSettings {
public:
    static constexpr DWORD kEndOfTable = 0xFFFFFFFF;
    static const DWORD kSampleRates[];  // Hz, ends with kEndOfTable
    static const DWORD kLatencies[];    // microseconds, ends with kEndOfTable

    // Reads both latency records and sends the driver word; failures are ignored.
    explicit DeviceSettings(CDeviceModel& model = TheDeviceModel());
    virtual ~DeviceSettings() = default;

    bool SetSampleRateIndex(DWORD index);
    bool GetSampleRateIndex(DWORD* index);
    bool SetLatencyIndex(DWORD index);
    bool GetLatencyIndex(DWORD* index);

private:
    CDeviceModel& m_Model;
};
