#include "DeviceModel.h"

#include "TvcIoctl.h"
#include "TvcStatus.h"

#include <setupapi.h>

CDeviceModel::CDeviceModel()
    : TvcCtrl(CTvcCtrl::ForPanel), SelectedUnit(0), LastUnitCount(0), Latency1{}, Latency2{} {}

CDeviceModel::~CDeviceModel() = default;

void CDeviceModel::ConnectAtStart() {
    if (Drv.Open() == TVC_STATUS_SUCCESS)
        Drv.LoadDeviceProperties();
    SelectedUnit = 0;
    OpenUnitChannel(0);
}

DWORD CDeviceModel::GetUnitCount() {
    if (!Drv.IsOpen())
        return 0;
    TVC_DEVICE_LIST list{};
    return Drv.GetDeviceList(&list) == TVC_STATUS_SUCCESS ? list.Count : 0;
}

bool CDeviceModel::SelectUnit(DWORD index) {
    if (index >= GetUnitCount())
        return false;
    SelectedUnit = index;
    TvcCtrl.Close();
    DWORD status = OpenUnitChannel(index);
    if (status == TVC_STATUS_SUCCESS)
        return true;
    if (status != TVC_STATUS_NO_DEVICE_INFO_SET)
        SelectedUnit = 0;
    return false;
}

// Without an interface list the channel's Open answers 0xE0008008 itself.
DWORD CDeviceModel::OpenUnitChannel(DWORD memberIndex) {
    HDEVINFO set = SetupDiGetClassDevsA(&kTvcInterfaceClassGuid, nullptr, nullptr,
                                        DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    DWORD status = TvcCtrl.Open(memberIndex, set, &kTvcInterfaceClassGuid);
    if (set != INVALID_HANDLE_VALUE)
        SetupDiDestroyDeviceInfoList(set);
    return status;
}

CDeviceModel& TheDeviceModel() {
    static CDeviceModel model;
    return model;
}
