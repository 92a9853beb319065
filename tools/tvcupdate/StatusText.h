#pragma once
// The library's statuses and download conditions in words.
#include <cstdint>
#include <string>

class StatusText {
public:
    // "TVCFWDL_STATUS_IMAGE_TOO_LARGE (37): image longer than the unit accepts"
    static std::string Describe(uint32_t status);
    static const char* Name(uint32_t status);
    // One line per condition bit; "none" for 0.
    static std::string Conditions(uint32_t conditions);
};
