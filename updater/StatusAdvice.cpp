#include "StatusAdvice.h"

#include "StatusText.h"
#include "tvc_fwdl.h"

namespace {

const char* const kRetry =
    "Leave the unit connected and switched on, and run the update again. If it fails again, "
    "switch the unit off and on, switch on the diagnostic log and try once more; keep the "
    "log file for support.";

const char* const kOtherFile = "Choose a firmware file made for this unit.";

bool IsFileProblem(uint32_t status) {
    switch (status) {
    case TVCFWDL_STATUS_FILE_OPEN_FAILED:
    case TVCFWDL_STATUS_FILE_READ_FAILED:
    case TVCFWDL_STATUS_FILE_FORMAT:
    case TVCFWDL_STATUS_HEADER_CRC:
    case TVCFWDL_STATUS_IMAGE_CRC:
    case TVCFWDL_STATUS_CNE_CRC:
    case TVCFWDL_STATUS_INCOMPATIBLE:
    case TVCFWDL_STATUS_NO_CNE_DATA:
    case TVCFWDL_STATUS_NO_IMAGE:
    case TVCFWDL_STATUS_IMAGE_TOO_LARGE:
    case TVCFWDL_STATUS_FILE_NOT_OPEN: return true;
    default: return false;
    }
}

const char* NextStep(uint32_t status) {
    if (IsFileProblem(status))
        return kOtherFile;
    switch (status) {
    case TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS:
        return "Another updater is updating this unit. Wait until it has finished, then check "
               "the unit's firmware in the list.";
    case TVCFWDL_STATUS_DEVICE_NOT_FOUND:
    case TVCFWDL_STATUS_OPEN_FAILED:
        return "The unit is no longer where it was listed. Check that it is plugged in and "
               "switched on, choose it in the list again and run the update again.";
    case TVCFWDL_STATUS_WRONG_MANUFACTURER: return "This unit cannot be updated with this program.";
    case TVCFWDL_STATUS_REBOOT_FAILED: return "Restart the computer yourself.";
    default: return kRetry;
    }
}

}  // namespace

StatusAdvice StatusAdvice::For(uint32_t status) {
    StatusAdvice advice;
    advice.status = StatusText::Describe(status);
    if (status == TVCFWDL_STATUS_SUCCESS) {
        advice.success = true;
        advice.headline = "Update finished";
        advice.next = "The unit runs the new firmware and can be used again.";
    } else if (status == TVCFWDL_STATUS_REBOOT_REQUIRED) {
        advice.success = true;
        advice.offerRestart = true;
        advice.headline = "Update finished: restart the computer";
        advice.next =
            "Windows asks for a restart before the unit works again. Restart now, or "
            "save your work elsewhere and restart later.";
    } else if (status == TVCFWDL_STATUS_REBOOT_FAILED) {
        // Only the restart after a finished update can fail so.
        advice.headline = "Restart failed";
        advice.next = NextStep(status);
    } else if (status == TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS) {
        advice.headline = "Update refused";
        advice.next = NextStep(status);
    } else {
        advice.headline = "Update failed";
        advice.next = NextStep(status);
    }
    return advice;
}
