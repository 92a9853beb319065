#include "StatusText.h"

namespace {

struct Entry {
    uint32_t value;
    const char* name;
    const char* meaning;
};

const Entry kStatuses[] = {
    {0, "TVCFWDL_STATUS_SUCCESS", "success"},
    {1, "TVCFWDL_STATUS_FAILED", "unspecified failure"},
    {2, "TVCFWDL_STATUS_INVALID_PARAMETER", "a pointer parameter is null"},
    {3, "TVCFWDL_STATUS_FILE_OPEN_FAILED", "the firmware file does not exist or cannot be opened"},
    {4, "TVCFWDL_STATUS_FILE_READ_FAILED", "reading the firmware file failed"},
    {5, "TVCFWDL_STATUS_FILE_FORMAT", "not a firmware file, or an unknown file version"},
    {6, "TVCFWDL_STATUS_HEADER_CRC", "the header CRC of the file does not match"},
    {7, "TVCFWDL_STATUS_IMAGE_CRC", "the CRC of the image does not match"},
    {8, "TVCFWDL_STATUS_CNE_CRC", "the CRC of the CnE data does not match"},
    {9, "TVCFWDL_STATUS_INVALID_GUID", "the interface GUID cannot be parsed"},
    {10, "TVCFWDL_STATUS_ENUMERATION_FAILED", "the units could not be enumerated"},
    {11, "TVCFWDL_STATUS_DEVICE_STILL_OPEN", "a unit is still open"},
    {12, "TVCFWDL_STATUS_NOT_ENUMERATED", "no enumeration yet"},
    {13, "TVCFWDL_STATUS_OPEN_FAILED", "opening the unit failed"},
    {14, "TVCFWDL_STATUS_DEVICE_NOT_FOUND", "no such unit, or the unit came back as another unit"},
    {15, "TVCFWDL_STATUS_DEVICE_NOT_OPEN", "no unit is open"},
    {16, "TVCFWDL_STATUS_DEVICE_ALREADY_OPEN", "another unit is open"},
    {17, "TVCFWDL_STATUS_COUNTING_FAILED", "counting the units failed"},
    {18, "TVCFWDL_STATUS_READ_FAILED", "reading from the unit failed"},
    {19, "TVCFWDL_STATUS_WRITE_FAILED", "writing to the unit failed"},
    {21, "TVCFWDL_STATUS_INCOMPATIBLE", "the file does not fit the unit"},
    {22, "TVCFWDL_STATUS_NO_CNE_DATA", "CnE data is needed but the file has none"},
    {23, "TVCFWDL_STATUS_LOGGING_FAILED", "switching the log file failed"},
    {24, "TVCFWDL_STATUS_TIMEOUT_RESET", "the unit did not come back after a reset"},
    {25, "TVCFWDL_STATUS_TIMEOUT_DOWNLOAD_START", "no answer to the download start"},
    {26, "TVCFWDL_STATUS_TIMEOUT_DOWNLOAD_BLOCK", "no answer to a download block"},
    {27, "TVCFWDL_STATUS_TIMEOUT_DOWNLOAD_END", "no answer to the download end"},
    {28, "TVCFWDL_STATUS_INVALID_TIMEOUT_TYPE", "unknown timeout"},
    {29, "TVCFWDL_STATUS_APPLICATION_NOT_STARTED", "the bootloader did not start the application"},
    {30, "TVCFWDL_STATUS_BOOTLOADER_NOT_HALTED", "the unit did not stay in its bootloader"},
    {31, "TVCFWDL_STATUS_NOT_SUPPORTED", "not supported"},
    {32, "TVCFWDL_STATUS_DEVICE_ERROR", "the unit answered with an error"},
    {33, "TVCFWDL_STATUS_NO_IMAGE", "the file holds no image"},
    {34, "TVCFWDL_STATUS_CRC_MISMATCH", "the unit received the image with another CRC"},
    {35, "TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS", "a download to this unit is running"},
    {36, "TVCFWDL_STATUS_DOWNLOAD_RUNNING", "the download is running"},
    {37, "TVCFWDL_STATUS_IMAGE_TOO_LARGE", "the image is longer than the unit accepts"},
    {38, "TVCFWDL_STATUS_WRONG_MANUFACTURER", "the unit is not one of this family"},
    {39, "TVCFWDL_STATUS_REBOOT_FAILED", "restarting the computer failed"},
    {40, "TVCFWDL_STATUS_REBOOT_REQUIRED",
     "done; Windows asks for a restart before the unit works again"},
    {41, "TVCFWDL_STATUS_FILE_NOT_OPEN", "no firmware file"},
    {43, "TVCFWDL_STATUS_TIMEOUT_PROGRAM_GUID", "no answer to the program-GUID request"},
    {44, "TVCFWDL_STATUS_TIMEOUT_INIT_PERS_PARAMS", "no answer to the init-parameters request"},
};

const char* const kConditions[8] = {
    "incompatible: the download must not be done",
    "CnE data will be downloaded with the program",
    "CnE data is required but the file has none",
    "the file's firmware is older than the unit's",
    "the file is made for another hardware model",
    "the file is made for another vendor",
    "the file version does not belong to the unit's protocol",
    "the unit reports a protocol this library does not know",
};

const Entry* Find(uint32_t status) {
    for (const Entry& entry : kStatuses)
        if (entry.value == status)
            return &entry;
    return nullptr;
}

}  // namespace

const char* StatusText::Name(uint32_t status) {
    const Entry* entry = Find(status);
    return entry ? entry->name : "unknown status";
}

const char* StatusText::Meaning(uint32_t status) {
    const Entry* entry = Find(status);
    return entry ? entry->meaning : "unknown status";
}

std::string StatusText::Describe(uint32_t status) {
    const Entry* entry = Find(status);
    std::string text = std::string(Name(status)) + " (" + std::to_string(status) + ")";
    return entry ? text + ": " + entry->meaning : text;
}

const char* StatusText::Condition(uint32_t bit) {
    for (int index = 0; index < 8; ++index)
        if (bit == 1u << index)
            return kConditions[index];
    return "";
}

std::string StatusText::Conditions(uint32_t conditions) {
    if (conditions == 0)
        return "  none: the file fits the unit\n";
    std::string text;
    for (int bit = 0; bit < 8; ++bit)
        if (conditions & (1u << bit))
            text += std::string("  ") + Condition(1u << bit) + "\n";
    return text;
}
