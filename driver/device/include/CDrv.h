#pragma once
#include "CTvc1394Driver.h"
#include "TvcRecords.h"

#include <memory>
#include <vector>

// The panel's model of the driver: the control device with the records read
// from it.
class CDrv : public CTvc1394Driver {
public:
    CDrv();
    ~CDrv() override;

    // Fetches the properties of every listed unit; the status of the first
    // failure, else 0. Units whose request fails are left out.
    DWORD LoadDeviceProperties();

    size_t GetPropertiesCount() const { return m_Properties.size(); }
    const TVC_DEVICE_PROPERTIES& GetProperties(size_t index) const { return *m_Properties[index]; }

    DWORD m_DriverWord;
    TVC_CLOCK_INFO m_ClockInfo;

private:
    std::vector<std::unique_ptr<TVC_DEVICE_PROPERTIES>> m_Properties;
};
