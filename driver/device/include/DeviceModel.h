#pragma once
#include "CDrv.h"
#include "CTvcCtrl.h"
#include "TvcRecords.h"

// The panel's process-wide view of the driver and its units: the control
// device, the channel to the selected unit, the selection, the last known
// unit count and the two latency records. Everything runs on the message thread.
class CDeviceModel {
public:
    CDeviceModel();
    virtual ~CDeviceModel();

    // Opens the control device, loads the unit properties and opens unit 0;
    // failures are left to the unit watch to repair.
    void ConnectAtStart();
    // The number of units, 0 when the control device is closed or the list fails.
    DWORD GetUnitCount();
    // True when the unit channel is open on the unit at the index.
    bool SelectUnit(DWORD index);
    // Opens the unit channel on a member of the driver's interface list.
    DWORD OpenUnitChannel(DWORD memberIndex);

    CDrv Drv;
    CTvcCtrl TvcCtrl;
    DWORD SelectedUnit;
    DWORD LastUnitCount;
    TVC_LATENCY Latency1;
    TVC_LATENCY Latency2;
};

// The one model of the control panel, created on first use and kept until exit.
CDeviceModel& TheDeviceModel();
