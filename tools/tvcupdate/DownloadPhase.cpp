#include "DownloadPhase.h"

DownloadPhase::Step DownloadPhase::Of(uint32_t done, uint32_t total) {
    if (done == 0)
        return Preparing;
    return done >= total ? Restarting : Transferring;
}

const char* DownloadPhase::Words(Step step) {
    switch (step) {
    case Preparing: return "preparing the unit: stopping the units, starting the bootloader";
    case Transferring: return "transferring";
    case Restarting:
        return "restarting the unit: starting the new firmware, reinstalling the device";
    }
    return "";
}
