#pragma once
// The end of an update in words: what happened, the library's status as the
// console updater words it, and what to do next.
#include <cstdint>
#include <string>

struct StatusAdvice {
    bool success = false;
    bool offerRestart = false;
    std::string headline;  // "Update finished", "Update failed", ...
    std::string status;    // "TVCFWDL_STATUS_DEVICE_ERROR (32): the unit answered with an error"
    std::string next;      // what to do now

    static StatusAdvice For(uint32_t status);
};
