#pragma once
#include "AvcUnit.h"

// A unit command object with no unit behind it: every command fails at once
// without reaching a driver or a bus file, so the gallery can move controls
// freely and never touches the user's units.
class OfflineUnit : public AvcUnit {
public:
    OfflineUnit() : AvcUnit(model_) {}

protected:
    DWORD transmit(PTVC_AVC_REQUEST request, PTVC_AVC_RESPONSE response) override;

private:
    CDeviceModel model_;
};
