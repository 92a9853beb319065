#include "DeviceSettings.h"

#include "TvcStatus.h"

const DWORD DeviceSettings::kSampleRates[] = {44100, 48000, 88200, 96000, kEndOfTable};
const DWORD DeviceSettings::kLatencies[] = {1500, 2000,  2500,  3000,  3500,  4000,       6000,
                                            8000, 10000, 12000, 18000, 25000, kEndOfTable};

namespace {

// The value at the index, or kEndOfTable when the index lies past the table.
DWORD EntryAt(const DWORD* table, DWORD index) {
    for (DWORD i = 0; table[i] != DeviceSettings::kEndOfTable; ++i)
        if (i == index)
            return table[i];
    return DeviceSettings::kEndOfTable;
}

bool IndexOf(const DWORD* table, DWORD value, DWORD* index) {
    for (DWORD i = 0; table[i] != DeviceSettings::kEndOfTable; ++i) {
        if (table[i] == value) {
            *index = i;
            return true;
        }
    }
    return false;
}

}  // namespace

DeviceSettings::DeviceSettings(CDeviceModel& model) : m_Model(model) {
    m_Model.Drv.GetLatency1(&m_Model.Latency1);
    m_Model.Drv.GetLatency2(&m_Model.Latency2);
    m_Model.Drv.SetDriverWord(&m_Model.Drv.m_DriverWord);
}

// The clock record takes the new rate only once the driver has accepted it,
// so a failed change is retried rather than taken for done.
bool DeviceSettings::SetSampleRateIndex(DWORD index) {
    DWORD rate = EntryAt(kSampleRates, index);
    if (!m_Model.Drv.IsOpen() || rate == kEndOfTable)
        return false;
    if (rate == m_Model.Drv.m_ClockInfo.SampleRate)
        return true;
    if (m_Model.Drv.SetSampleRate(rate) != TVC_STATUS_SUCCESS)
        return false;
    m_Model.Drv.m_ClockInfo.SampleRate = rate;
    return true;
}

bool DeviceSettings::GetSampleRateIndex(DWORD* index) {
    if (!m_Model.Drv.IsOpen() ||
        m_Model.Drv.GetClockInfo(&m_Model.Drv.m_ClockInfo) != TVC_STATUS_SUCCESS)
        return false;
    return IndexOf(kSampleRates, m_Model.Drv.m_ClockInfo.SampleRate, index);
}

// A record keeps its old latency when the driver refuses the new one, so the
// records always say what the driver holds.
bool DeviceSettings::SetLatencyIndex(DWORD index) {
    DWORD latency = EntryAt(kLatencies, index);
    if (!m_Model.Drv.IsOpen() || latency == kEndOfTable || latency == m_Model.Latency1.Latency)
        return false;
    DWORD old1 = m_Model.Latency1.Latency;
    DWORD old2 = m_Model.Latency2.Latency;
    m_Model.Latency1.Latency = latency;
    m_Model.Latency2.Latency = latency;
    if (m_Model.Drv.SetLatency1(&m_Model.Latency1) != TVC_STATUS_SUCCESS) {
        m_Model.Latency1.Latency = old1;
        m_Model.Latency2.Latency = old2;
        return false;
    }
    if (m_Model.Drv.SetLatency2(&m_Model.Latency2) != TVC_STATUS_SUCCESS) {
        m_Model.Latency2.Latency = old2;
        return false;
    }
    return m_Model.Drv.StopAllDevices() == TVC_STATUS_SUCCESS &&
           m_Model.Drv.StartAllDevices() == TVC_STATUS_SUCCESS;
}

bool DeviceSettings::GetLatencyIndex(DWORD* index) {
    if (!m_Model.Drv.IsOpen() || m_Model.Drv.GetLatency1(&m_Model.Latency1) != TVC_STATUS_SUCCESS)
        return false;
    return IndexOf(kLatencies, m_Model.Latency1.Latency, index);
}
