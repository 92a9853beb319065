#include "CDrv.h"

#include "TvcStatus.h"

#include <new>

CDrv::CDrv() : m_DriverWord(0), m_ClockInfo{} {}

CDrv::~CDrv() = default;

DWORD CDrv::LoadDeviceProperties() {
    m_Properties.clear();
    TVC_DEVICE_LIST list{};
    DWORD status = GetDeviceList(&list);
    if (status != TVC_STATUS_SUCCESS)
        return status;
    DWORD firstFailure = TVC_STATUS_SUCCESS;
    DWORD count = list.Count < TVC_MAX_UNITS ? list.Count : TVC_MAX_UNITS;
    for (DWORD i = 0; i < count; ++i) {
        std::unique_ptr<TVC_DEVICE_PROPERTIES> record(new (std::nothrow) TVC_DEVICE_PROPERTIES{});
        status = record ? GetDeviceProperties(&list.Identifiers[i], record.get())
                        : DWORD(TVC_STATUS_NO_MEMORY);
        if (status == TVC_STATUS_SUCCESS)
            m_Properties.push_back(std::move(record));
        else if (firstFailure == TVC_STATUS_SUCCESS)
            firstFailure = status;
    }
    return firstFailure;
}
