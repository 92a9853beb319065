#include "OfflineUnit.h"

DWORD OfflineUnit::transmit(PTVC_AVC_REQUEST, PTVC_AVC_RESPONSE) {
    return ERROR_DEVICE_NOT_CONNECTED;
}
