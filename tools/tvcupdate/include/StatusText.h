#pragma once
// The library's statuses and download conditions in words.
#include <cstdint>
#include <string>

class StatusText {
public:
    // "TVCFWDL_STATUS_IMAGE_TOO_LARGE (37): image longer than the unit accepts"
    static std::string Describe(uint32_t status);
    static const char* Name(uint32_t status);
    // "image longer than the unit accepts"; "unknown status" for a value the library never gives.
    static const char* Meaning(uint32_t status);
    // The words of one condition bit (0x01 to 0x80); empty for any other value.
    static const char* Condition(uint32_t bit);
    // One line per condition bit; "none" for 0.
    static std::string Conditions(uint32_t conditions);
};
