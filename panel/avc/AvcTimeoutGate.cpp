#include "AvcTimeoutGate.h"

#include "TvcStatus.h"

bool AvcTimeoutGate::admits(DWORD now) const {
    if (!timedOut_)
        return true;
    return refreshDepth_ == 0 && now - timedOutAt_ >= kHoldOffMs;
}

void AvcTimeoutGate::record(DWORD status, DWORD now) {
    timedOut_ = status == TVC_STATUS_TIMEOUT;
    timedOutAt_ = now;
}

void AvcTimeoutGate::beginRefresh() {
    if (refreshDepth_++ == 0)
        timedOut_ = false;
}

void AvcTimeoutGate::endRefresh() {
    if (refreshDepth_ > 0)
        --refreshDepth_;
}
