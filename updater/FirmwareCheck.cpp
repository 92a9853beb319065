#include "FirmwareCheck.h"

#include "StatusText.h"
#include "UnitScan.h"

#include <cctype>
#include <cstdio>

namespace {

std::string Field(const char* text, size_t size) {
    std::string value(text, size);
    return value.substr(0, value.find('\0'));
}

bool Digits(const std::string& text, size_t count) {
    if (text.size() != count)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// "20250102" and "030405" read as "2025-01-02 03:04:05"; anything else stays as written.
std::string DateText(const std::string& date, const std::string& time) {
    std::string day = Digits(date, 8)
                          ? date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2)
                          : date;
    std::string clock = Digits(time, 6)
                            ? time.substr(0, 2) + ":" + time.substr(2, 2) + ":" + time.substr(4, 2)
                            : time;
    return clock.empty() ? day : day + " " + clock;
}

std::string Hex8(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

}  // namespace

FirmwareVerdict FirmwareCheck::Refusal(uint32_t status) {
    FirmwareVerdict verdict;
    verdict.status = status;
    verdict.reasons.push_back(StatusText::Describe(status));
    return verdict;
}

std::string FirmwareFacts::FirmwareText() const {
    return Hex8(firmwareVersion) + " build " + std::to_string(firmwareBuild);
}

std::string FirmwareFacts::HardwareText() const {
    return "model " + Hex8(hardware);
}

FirmwareFacts FirmwareCheck::Describe(FwdlApi& api, const std::string& path) {
    FirmwareFacts facts;
    TVCFWDL_TVD_FILE_INFO info{};
    facts.status = api.GetTvdFileInfo(path.c_str(), &info);
    if (facts.status != TVCFWDL_STATUS_SUCCESS)
        return facts;
    facts.firmwareVersion = info.FirmwareVersion;
    facts.firmwareBuild = info.FirmwareBuild;
    facts.hardware = info.CompatibleHardwareVersion;
    facts.date = DateText(Field(info.Date, sizeof info.Date), Field(info.Time, sizeof info.Time));
    facts.notes = Field(info.InfoText, sizeof info.InfoText);
    return facts;
}

// Nothing goes to the unit but the reads of opening it: the check compares
// the file with the unit's record.
FirmwareVerdict FirmwareCheck::Check(FwdlApi& api, const UnitSummary& unit,
                                     const std::string& path) {
    uint32_t count = 0;
    uint32_t status = api.EnumerateDevices(FwdlApi::kInterfaceGuid, &count);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return Refusal(status);
    if (!UnitScan::StillThere(api, unit))
        return Refusal(TVCFWDL_STATUS_DEVICE_NOT_FOUND);
    status = api.OpenDevice(unit.index);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return Refusal(status);
    FirmwareVerdict verdict;
    status = api.CheckDownload(path.c_str(), &verdict.conditions);
    api.CloseDevice();
    if (status != TVCFWDL_STATUS_SUCCESS)
        return Refusal(status);
    verdict.accepted = (verdict.conditions & TVCFWDL_COND_INCOMPATIBLE) == 0;
    for (uint32_t bit = TVCFWDL_COND_CNE_MISSING; bit <= TVCFWDL_COND_UNSUPPORTED_PROTOCOL;
         bit <<= 1)
        if (verdict.conditions & bit)
            verdict.reasons.push_back(StatusText::Condition(bit));
    return verdict;
}

std::string FirmwareCheck::Summary(const FirmwareVerdict& verdict, const UnitSummary& unit) {
    if (!verdict.accepted)
        return "The library refuses this file for " + unit.name + ":";
    return "The library accepts this file for " + unit.Title() + ".";
}
