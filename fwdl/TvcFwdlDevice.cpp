#include "TvcFwdlDevice.h"

#include "Log.h"
#include "TvcIoctl.h"
#include "TvcStatus.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kReopenStepMs = 50;
constexpr DWORD kPollStepMs = 100;
constexpr DWORD kProt1and2PauseMs = 2000;
constexpr DWORD kProt3PauseMs = 500;
constexpr DWORD kProt3MinimumLimitMs = 60000;
constexpr size_t kPropertiesOffset = 88;

void CopyText(char* field, const BYTE* block, size_t offset) {
    std::memcpy(field, block + offset, 8);
}

DWORD BigEndianWord(const BYTE* bytes) {
    return DWORD(bytes[0]) << 24 | DWORD(bytes[1]) << 16 | DWORD(bytes[2]) << 8 | DWORD(bytes[3]);
}

std::string GuidText(const BYTE* guid) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%02X%02X%02X%02X%02X%02X%02X%02X", guid[0], guid[1],
                  guid[2], guid[3], guid[4], guid[5], guid[6], guid[7]);
    return text;
}

}  // namespace

TvcFwdlDevice::TvcFwdlDevice(EnumerationContext& context) : m_Context(context), m_Properties{} {}

TvcFwdlDevice::~TvcFwdlDevice() {
    Close();
}

TVCFWDL_STATUS TvcFwdlDevice::Open(DWORD index, HDEVINFO deviceInfoSet, const GUID* interfaceGuid) {
    FwdlLog(LogType::Info, "TvcFwdlDevice::Open ...\n");
    DWORD status = CTvcCtrl::Open(index, deviceInfoSet, interfaceGuid);
    if (status == TVC_STATUS_NO_UNIT_AT_INDEX) {
        FwdlLog(LogType::Error, "open device failed with XBUS_STATUS = 0x%08X\n", unsigned(status));
        return TVCFWDL_STATUS_DEVICE_NOT_FOUND;
    }
    if (status != TVC_STATUS_SUCCESS)
        return TVCFWDL_STATUS_OPEN_FAILED;
    if (GetDevicePath() == nullptr) {
        FwdlLog(LogType::Error, "Open: GetDevicePathName failed\n");
        Close();
        return TVCFWDL_STATUS_DEVICE_NOT_FOUND;
    }
    m_DevicePath = GetDevicePath();
    TVCFWDL_STATUS result = ReadProperties();
    if (result == TVCFWDL_STATUS_SUCCESS) {
        result = GetDeviceInfo(nullptr, false);
        if (result != TVCFWDL_STATUS_SUCCESS)
            FwdlLog(LogType::Error, "open device: GetDeviceInfo failed\n");
    }
    if (result == TVCFWDL_STATUS_SUCCESS && !HasManufacturerMagic()) {
        const BYTE* found = m_DeviceInfoBlock;
        const char* expected = DeviceLayout::ManufacturerMagic;
        FwdlLog(
            LogType::Error,
            "Open: unexpected manufacturer ID 0x%02x%02x%02x%02x%02x%02x%02x%02x of the device. "
            "Expected ID is 0x%02x%02x%02x%02x%02x%02x%02x%02x.\n",
            found[0], found[1], found[2], found[3], found[4], found[5], found[6], found[7],
            expected[0], expected[1], expected[2], expected[3], expected[4], expected[5],
            expected[6], expected[7]);
        result = TVCFWDL_STATUS_WRONG_MANUFACTURER;
    }
    if (result != TVCFWDL_STATUS_SUCCESS) {
        Close();
        return result;
    }
    // A unit keeps its protocol through its resets: the same GUID comes back.
    m_Family = ProtocolFamily::ForVersion(InfoWord(DeviceLayout::ProtocolVersion));
    m_IsOpen = true;
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcFwdlDevice::ReadProperties() {
    TVC_DEVICE_PROPERTIES properties{};
    DWORD status = Ioctl(IOCTL_TVC_GET_UNIT_PROPERTIES, nullptr, 0, &properties, sizeof properties);
    if (status != TVC_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "GetDeviceProperties failed with XBUS_STATUS = 0x%08X\n",
                unsigned(status));
        return TVCFWDL_STATUS_READ_FAILED;
    }
    std::memcpy(m_Properties, properties.Bytes + kPropertiesOffset, PropertiesSize);
    return TVCFWDL_STATUS_SUCCESS;
}

bool TvcFwdlDevice::HasManufacturerMagic() const {
    return std::memcmp(m_DeviceInfoBlock, DeviceLayout::ManufacturerMagic, 8) == 0;
}

TVCFWDL_STATUS TvcFwdlDevice::Close() {
    FwdlLog(LogType::Info, "TvcFwdlDevice::Close ...\n");
    CTvcCtrl::Close();
    ClearDeviceInfo();
    m_IsOpen = false;
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcFwdlDevice::GetDeviceInfo(TVCFWDL_DEVICE_INFO* info, bool force) {
    FwdlLog(LogType::Info, "TvcFwdlDevice::GetDeviceInfo ...\n");
    if (force || !HasManufacturerMagic()) {
        TVCFWDL_STATUS status = ReadDeviceInfo();
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error,
                    "GetDeviceInfo: ReadDeviceInfo failed with TVCFWDL_STATUS 0x%08X\n",
                    unsigned(status));
            return status;
        }
    }
    if (info != nullptr)
        FillDeviceInfo(info);
    return TVCFWDL_STATUS_SUCCESS;
}

void TvcFwdlDevice::FillDeviceInfo(TVCFWDL_DEVICE_INFO* info) const {
    const BYTE* block = m_DeviceInfoBlock;
    std::memset(info, 0, sizeof *info);
    std::memcpy(info->Properties, m_Properties, PropertiesSize);
    CopyText(info->Magic, block, DeviceLayout::Magic);
    info->ProtocolVersion = InfoWord(DeviceLayout::ProtocolVersion);
    info->BootloaderMode = InfoWord(DeviceLayout::BootloaderMode);
    info->GuidHi = BigEndianWord(block + DeviceLayout::Guid);
    info->GuidLo = BigEndianWord(block + DeviceLayout::Guid + 4);
    info->HardwareModelID = InfoWord(DeviceLayout::HardwareModelID);
    info->Reserved1 = InfoWord(28);
    CopyText(info->Date1, block, DeviceLayout::Date1);
    CopyText(info->Time1, block, DeviceLayout::Date1 + 8);
    info->FirmwareVersion = InfoWord(DeviceLayout::FirmwareVersion);
    info->FirmwareBuild = InfoWord(DeviceLayout::FirmwareBuild);
    info->Reserved2 = InfoWord(56);
    info->MaxImageLength = InfoWord(DeviceLayout::MaxImageLength);
    CopyText(info->Date2, block, DeviceLayout::Date2);
    CopyText(info->Time2, block, DeviceLayout::Date2 + 8);
    CopyText(info->Date3, block, DeviceLayout::Date3);
    CopyText(info->Time3, block, DeviceLayout::Date3 + 8);
    info->Reserved3 = InfoWord(96);
    info->Reserved4 = InfoWord(100);
}

TVCFWDL_STATUS TvcFwdlDevice::Reopen(const BYTE oldGuid[8], DWORD limitMs) {
    FwdlLog(LogType::Info, "TvcFwdlDevice::Reopen ...\n");
    FwdlLog(LogType::Info, "Trying to reopen device %s\n", m_DevicePath.c_str());
    HANDLE device = INVALID_HANDLE_VALUE;
    for (DWORD elapsed = 0;; elapsed += kReopenStepMs) {
        device = CreateFileA(m_DevicePath.c_str(), GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
        if (device != INVALID_HANDLE_VALUE)
            break;
        if (elapsed >= limitMs) {
            FwdlLog(LogType::Error, "reopen failed, err=%u. Timeout=%u ms\n",
                    unsigned(GetLastError()), unsigned(limitMs));
            return TVCFWDL_STATUS_TIMEOUT_RESET;
        }
        Sleep(kReopenStepMs);
    }
    if (AttachDevice(device) != TVC_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "reopen failed with creating an event\n");
        Close();
        return TVCFWDL_STATUS_DEVICE_NOT_FOUND;
    }
    FwdlLog(LogType::Info, "Successfully reopened device %s\n", m_DevicePath.c_str());
    TVCFWDL_STATUS status = GetDeviceInfo(nullptr, false);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "reopen device: GetDeviceInfo failed\n");
        Close();
        return status;
    }
    const BYTE* newGuid = m_DeviceInfoBlock + DeviceLayout::Guid;
    if (std::memcmp(newGuid, oldGuid, 8) != 0) {
        FwdlLog(
            LogType::Error,
            "GUID in info register of reopend device is different. Old GUID = %s, new GUID = %s\n",
            GuidText(oldGuid).c_str(), GuidText(newGuid).c_str());
        Close();
        return TVCFWDL_STATUS_DEVICE_NOT_FOUND;
    }
    m_IsOpen = true;
    return TVCFWDL_STATUS_SUCCESS;
}

// Polls the information block every 100 ms until a read succeeds (or, with
// untilRemoved, until a read finds the unit gone); false when the limit passed.
bool TvcFwdlDevice::WaitForInfoBlock(const char* logText, bool untilRemoved, DWORD limitMs,
                                     DWORD& elapsed) {
    BYTE scratch[DeviceLayout::InfoBlockSize];
    for (elapsed = 0;; elapsed += kPollStepMs) {
        if (elapsed >= limitMs)
            return false;
        DWORD result = Read(DeviceLayout::InfoBlockAddress, scratch, sizeof scratch, INFINITE);
        FwdlLog(LogType::Info, "%s: %s return with result 0x%08X\n", logText,
                untilRemoved ? "AsyncReadSync" : "Read", unsigned(result));
        Sleep(kPollStepMs);
        bool done = untilRemoved ? result == TVC_STATUS_UNIT_REMOVED : result == TVC_STATUS_SUCCESS;
        if (done) {
            elapsed += kPollStepMs;
            return true;
        }
    }
}

TVCFWDL_STATUS TvcFwdlDevice::CheckMode(DWORD type, const char* halted, const char* started) {
    DWORD mode = InfoWord(DeviceLayout::BootloaderMode);
    if (type == 1 && mode == 0) {
        FwdlLog(LogType::Error, "%s", halted);
        return TVCFWDL_STATUS_BOOTLOADER_NOT_HALTED;
    }
    if (type == 0 && mode != 0) {
        FwdlLog(LogType::Error, "%s", started);
        return TVCFWDL_STATUS_APPLICATION_NOT_STARTED;
    }
    return type > 1 ? TVCFWDL_STATUS_FAILED : TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcFwdlDevice::ResetProt1and2(DWORD type) {
    FwdlLog(LogType::Info, "TvcFwdlDevice::ResetProt1and2 (type = %d) ...\n", int(type));
    TVCFWDL_STATUS status = RequestReset(type);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "ResetProt1and2: Request failed\n");
        return status;
    }
    Sleep(kProt1and2PauseMs);
    DWORD limit = m_Timeouts[TVCFWDL_TIMEOUT_RESET];
    DWORD elapsed = 0;
    if (!WaitForInfoBlock("ResetProt1and2", false, limit, elapsed)) {
        FwdlLog(
            LogType::Error,
            "ResetProt1and2: failed with timeout for given timeout period of %u ms while waiting "
            "for device to come up\n",
            unsigned(limit));
        return TVCFWDL_STATUS_TIMEOUT_RESET;
    }
    status = GetDeviceInfo(nullptr, true);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "ResetProt1and2: GetDeviceInfo failed\n");
        return status;
    }
    status = CheckMode(type, "ResetProt1and2: bootloader couldn\xB4t halt in bootloader modus\n",
                       "ResetProt1and2: bootloader couldn\xB4t start downloaded application\n");
    if (status == TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Info, "]TvcFwdlDevice::ResetProt1and2\n");
    return status;
}

TVCFWDL_STATUS TvcFwdlDevice::ResetProt3(DWORD type) {
    FwdlLog(LogType::Info, "TvcFwdlDevice::ResetProt3 (type = %d) ...\n", int(type));
    BYTE oldGuid[8];
    std::memcpy(oldGuid, m_DeviceInfoBlock + DeviceLayout::Guid, sizeof oldGuid);
    TVCFWDL_STATUS status = RequestReset(type);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "ResetProt3: Request failed\n");
        return status;
    }
    Sleep(kProt3PauseMs);
    DWORD timeout = m_Timeouts[TVCFWDL_TIMEOUT_RESET];
    DWORD limit = timeout > kProt3MinimumLimitMs ? timeout : kProt3MinimumLimitMs;
    DWORD elapsed = 0;
    if (!WaitForInfoBlock("ResetProt3", true, limit, elapsed)) {
        FwdlLog(
            LogType::Error,
            "ResetProt3: failed with timeout for given timeout period of %u ms while waiting for "
            "device to come up\n",
            unsigned(timeout));
        return TVCFWDL_STATUS_TIMEOUT_RESET;
    }
    FwdlLog(LogType::Info, "ResetProt3: Device has been removed. Reopening...\n");
    Close();
    status = Reopen(oldGuid, elapsed < limit ? limit - elapsed : 0);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "Reset: Reopen failed\n");
        return status;
    }
    FwdlLog(LogType::Info, "ResetProt3: Device has been reopened successfully.\n");
    status = CheckMode(type, "ResetProt3: bootloader couldn\xB4t halt in bootloader modus\n",
                       "ResetProt3: bootloader couldn\xB4t start downloaded application\n");
    if (status == TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Info, "]TvcFwdlDevice::ResetProt3\n");
    return status;
}

TVCFWDL_STATUS TvcFwdlDevice::SetState(DWORD change, BYTE* rebootRequired) {
    FwdlLog(LogType::Info, "TvcFwdlDevice::SetState ...\n");
    SP_PROPCHANGE_PARAMS params{};
    params.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
    params.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
    params.StateChange = change;
    params.Scope = DICS_FLAG_GLOBAL;
    params.HwProfile = 0;
    HDEVINFO set = m_Context.DeviceInfoSet();
    if (!SetupDiSetClassInstallParamsA(set, GetDeviceInfoData(), &params.ClassInstallHeader,
                                       sizeof params)) {
        FwdlLog(LogType::Error,
                "SetState: SetupDiSetClassInstallParams failed with error = 0x%08X\n",
                unsigned(GetLastError()));
        return TVCFWDL_STATUS_FAILED;
    }
    if (!SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, set, GetDeviceInfoData())) {
        FwdlLog(LogType::Error, "SetState: SetupDiCallClassInstaller failed with error = 0x%08X\n",
                unsigned(GetLastError()));
        return TVCFWDL_STATUS_FAILED;
    }
    TVCFWDL_STATUS status = IsRebootRequired(rebootRequired);
    if (status != TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Error, "SetState: IsRebootRequired failed with TVCFWDL_STATUS = 0x%08X\n",
                unsigned(status));
    return status;
}

TVCFWDL_STATUS TvcFwdlDevice::Disable(BYTE* rebootRequired) {
    FwdlLog(LogType::Info, "TvcFwdlDevice::Disable ...\n");
    // Nothing of the library may hold the device while the installer disables it.
    CTvcCtrl::Close();
    TVCFWDL_STATUS status = SetState(DICS_DISABLE, rebootRequired);
    if (status != TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Error, "Disable: SetState failed with TVCFWDL_STATUS 0x%08X\n",
                unsigned(status));
    return status;
}

TVCFWDL_STATUS TvcFwdlDevice::Enable(BYTE* rebootRequired) {
    FwdlLog(LogType::Info, "enable the device...\n");
    return SetState(DICS_ENABLE, rebootRequired);
}

TVCFWDL_STATUS TvcFwdlDevice::IsRebootRequired(BYTE* rebootRequired) {
    FwdlLog(LogType::Info, "TvcFwdlDevice::IsRebootRequired ...\n");
    SP_DEVINSTALL_PARAMS_A params{};
    params.cbSize = sizeof params;
    if (!SetupDiGetDeviceInstallParamsA(m_Context.DeviceInfoSet(), GetDeviceInfoData(), &params)) {
        FwdlLog(LogType::Error,
                "IsRebootRequired: SetupDiGetDeviceInstallParams failed with error = 0x%08X\n",
                unsigned(GetLastError()));
        return TVCFWDL_STATUS_FAILED;
    }
    bool required = (params.Flags & (DI_NEEDRESTART | DI_NEEDREBOOT)) != 0;
    *rebootRequired = required ? 1 : 0;
    FwdlLog(LogType::Info, required ? "Reboot is required.\n" : "Reboot is not required.\n");
    return TVCFWDL_STATUS_SUCCESS;
}
