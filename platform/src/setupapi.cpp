#include "setupapi.h"

#include "DeviceInfoSet.h"
#include "HandleTable.h"
#include "objbase.h"

#include <cstddef>
#include <cstring>

namespace {

bool sameGuid(const GUID& a, const GUID& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

const GUID& audioClass() {
    static GUID guid = [] {
        GUID parsed{};
        WCHAR wide[40] = {};
        for (size_t i = 0; SimDriver::kClassGuidText[i] != '\0'; ++i)
            wide[i] = WCHAR(SimDriver::kClassGuidText[i]);
        CLSIDFromString(wide, &parsed);
        return parsed;
    }();
    return guid;
}

BOOL failWith(DWORD error) {
    SetLastError(error);
    return FALSE;
}

std::shared_ptr<DeviceInfoSet> setOf(HDEVINFO set) {
    return HandleTable::getAs<DeviceInfoSet>(set);
}

// The unit slot behind a device-information record filled by this layer, or 0.
DWORD slotOf(PSP_DEVINFO_DATA deviceInfo) {
    return deviceInfo != nullptr && deviceInfo->cbSize == sizeof(SP_DEVINFO_DATA)
               ? deviceInfo->DevInst
               : 0;
}

}  // namespace

HDEVINFO SetupDiGetClassDevsA(const GUID* classGuid, PCSTR, HWND, DWORD flags) {
    if (classGuid == nullptr || (flags & DIGCF_DEVICEINTERFACE) == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::vector<SimDriver::UnitInterface> units;
    if (sameGuid(*classGuid, audioClass()))
        units = SimDriver::enumerate();
    return HandleTable::add(std::make_shared<DeviceInfoSet>(*classGuid, std::move(units)));
}

BOOL SetupDiEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA, const GUID* interfaceClassGuid,
                                 DWORD memberIndex, PSP_DEVICE_INTERFACE_DATA interfaceData) {
    std::shared_ptr<DeviceInfoSet> info = setOf(set);
    if (!info)
        return failWith(ERROR_INVALID_HANDLE);
    if (interfaceClassGuid == nullptr || interfaceData == nullptr)
        return failWith(ERROR_INVALID_PARAMETER);
    if (interfaceData->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA))
        return failWith(ERROR_INVALID_USER_BUFFER);
    uint32_t failing = 0;
    if (SimDriver::countingFailsAt(failing) && memberIndex >= failing)
        return failWith(ERROR_GEN_FAILURE);
    if (!sameGuid(*interfaceClassGuid, info->classGuid()) || memberIndex >= info->units().size())
        return failWith(ERROR_NO_MORE_ITEMS);
    interfaceData->InterfaceClassGuid = *interfaceClassGuid;
    interfaceData->Flags = 1;
    interfaceData->Reserved = memberIndex + 1;
    return TRUE;
}

BOOL SetupDiGetDeviceInterfaceDetailA(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA interfaceData,
                                      PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD detailSize,
                                      PDWORD requiredSize, PSP_DEVINFO_DATA deviceInfo) {
    std::shared_ptr<DeviceInfoSet> info = setOf(set);
    if (!info)
        return failWith(ERROR_INVALID_HANDLE);
    if (interfaceData == nullptr || interfaceData->Reserved == 0 ||
        interfaceData->Reserved > info->units().size())
        return failWith(ERROR_INVALID_PARAMETER);
    const SimDriver::UnitInterface& unit = info->units()[interfaceData->Reserved - 1];
    DWORD needed =
        DWORD(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + unit.path.size() + 1);
    if (requiredSize != nullptr)
        *requiredSize = needed;
    if (detail == nullptr)
        return failWith(detailSize == 0 ? ERROR_INSUFFICIENT_BUFFER : ERROR_INVALID_USER_BUFFER);
    if (detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
        return failWith(ERROR_INVALID_USER_BUFFER);
    if (detailSize < needed)
        return failWith(ERROR_INSUFFICIENT_BUFFER);
    if (deviceInfo != nullptr && deviceInfo->cbSize != sizeof(SP_DEVINFO_DATA))
        return failWith(ERROR_INVALID_USER_BUFFER);
    std::memcpy(detail->DevicePath, unit.path.c_str(), unit.path.size() + 1);
    if (deviceInfo != nullptr) {
        deviceInfo->ClassGuid = info->classGuid();
        deviceInfo->DevInst = DWORD(unit.slot);
        deviceInfo->Reserved = interfaceData->Reserved;
    }
    return TRUE;
}

BOOL SetupDiDestroyDeviceInfoList(HDEVINFO set) {
    if (!setOf(set))
        return failWith(ERROR_INVALID_HANDLE);
    HandleTable::remove(set);
    return TRUE;
}

BOOL SetupDiSetClassInstallParamsA(HDEVINFO set, PSP_DEVINFO_DATA deviceInfo,
                                   PSP_CLASSINSTALL_HEADER params, DWORD paramsSize) {
    std::shared_ptr<DeviceInfoSet> info = setOf(set);
    if (!info)
        return failWith(ERROR_INVALID_HANDLE);
    DWORD slot = slotOf(deviceInfo);
    if (slot == 0)
        return failWith(ERROR_INVALID_PARAMETER);
    if (params == nullptr) {
        info->installParams().erase(slot);
        return TRUE;
    }
    if (params->cbSize != sizeof(SP_CLASSINSTALL_HEADER) ||
        params->InstallFunction != DIF_PROPERTYCHANGE || paramsSize < sizeof(SP_PROPCHANGE_PARAMS))
        return failWith(ERROR_INVALID_PARAMETER);
    SP_PROPCHANGE_PARAMS change;
    std::memcpy(&change, params, sizeof change);
    info->installParams()[slot] = change;
    return TRUE;
}

BOOL SetupDiCallClassInstaller(DI_FUNCTION function, HDEVINFO set, PSP_DEVINFO_DATA deviceInfo) {
    std::shared_ptr<DeviceInfoSet> info = setOf(set);
    if (!info)
        return failWith(ERROR_INVALID_HANDLE);
    DWORD slot = slotOf(deviceInfo);
    auto params = info->installParams().find(slot);
    if (function != DIF_PROPERTYCHANGE || params == info->installParams().end())
        return failWith(ERROR_INVALID_PARAMETER);
    DWORD change = params->second.StateChange;
    if (change != DICS_ENABLE && change != DICS_DISABLE)
        return failWith(ERROR_INVALID_PARAMETER);
    if (!SimDriver::setUnitEnabled(int(slot), change == DICS_ENABLE))
        return failWith(ERROR_GEN_FAILURE);
    return TRUE;
}

BOOL SetupDiGetDeviceInstallParamsA(HDEVINFO set, PSP_DEVINFO_DATA deviceInfo,
                                    PSP_DEVINSTALL_PARAMS_A params) {
    if (!setOf(set))
        return failWith(ERROR_INVALID_HANDLE);
    DWORD slot = slotOf(deviceInfo);
    if (slot == 0 || params == nullptr)
        return failWith(ERROR_INVALID_PARAMETER);
    if (params->cbSize != sizeof(SP_DEVINSTALL_PARAMS_A))
        return failWith(ERROR_INVALID_USER_BUFFER);
    std::memset(reinterpret_cast<BYTE*>(params) + sizeof(DWORD), 0, sizeof *params - sizeof(DWORD));
    if (SimDriver::rebootRequired(int(slot)))
        params->Flags = DI_NEEDRESTART;
    return TRUE;
}
