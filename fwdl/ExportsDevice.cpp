// The exports that enumerate, open, describe and close units.
#include "FwdlLibrary.h"
#include "GuidFromString.h"
#include "Log.h"
#include "tvc_fwdl.h"

#include <cstdint>
#include <new>

namespace {

unsigned Address(const void* pointer) {
    return unsigned(reinterpret_cast<uintptr_t>(pointer));
}

TVCFWDL_STATUS CountDevices(HDEVINFO set, const GUID& guid, uint32_t* count) {
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    DWORD index = 0;
    while (SetupDiEnumDeviceInterfaces(set, nullptr, &guid, index, &data)) {
        ++index;
        ++*count;
    }
    DWORD error = GetLastError();
    if (error == ERROR_NO_MORE_ITEMS)
        return TVCFWDL_STATUS_SUCCESS;
    FwdlLog(LogType::Error, "counting devices at index %u aborted: windows error code = 0x%08X\n",
            unsigned(index), unsigned(error));
    return TVCFWDL_STATUS_COUNTING_FAILED;
}

TVCFWDL_STATUS Enumerate(FwdlLibrary& library, const char* guidText) {
    EnumerationContext& context = library.Context();
    if (context.HasDeviceInfoSet()) {
        if (library.OpenDevice()) {
            FwdlLog(LogType::Error, "Enumeration failed because an open device was found\n");
            return TVCFWDL_STATUS_DEVICE_STILL_OPEN;
        }
        context.Clear();
    }
    GUID guid{};
    if (GuidFromString(guidText, &guid) != 0)
        return TVCFWDL_STATUS_INVALID_GUID;
    HDEVINFO set =
        SetupDiGetClassDevsA(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == nullptr || set == INVALID_HANDLE_VALUE) {
        FwdlLog(LogType::Error, "enumeration of devices with guid %s failed\n", guidText);
        return TVCFWDL_STATUS_ENUMERATION_FAILED;
    }
    context.Set(guid, set);
    return TVCFWDL_STATUS_SUCCESS;
}

}  // namespace

extern "C" TVCFWDL_STATUS TVCFWDL_EnumerateDevices(const char* InterfaceGuidStr,
                                                   uint32_t* NumberOfDevices) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_EnumerateDevices('%s',0x%08X)\n",
            InterfaceGuidStr ? InterfaceGuidStr : "(null)", Address(NumberOfDevices));
    if (InterfaceGuidStr == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_EnumerateDevices: parameter 'InterfaceGuidStr' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    if (NumberOfDevices == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_EnumerateDevices: parameter 'NumberOfDevices' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    *NumberOfDevices = 0;
    TVCFWDL_STATUS status = Enumerate(library, InterfaceGuidStr);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "TVCFWDL_EnumerateDevices: enumeration failed\n");
        return status;
    }
    status = CountDevices(library.Context().DeviceInfoSet(), library.Context().InterfaceGuid(),
                          NumberOfDevices);
    if (status != TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Error, "TVCFWDL_EnumerateDevices: device counting failed\n");
    return status;
}

extern "C" TVCFWDL_STATUS TVCFWDL_GetDeviceInfo(uint32_t DeviceIndex,
                                                TVCFWDL_DEVICE_INFO* DeviceInfo) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_GetDeviceInfo(%u,0x%08X)\n", unsigned(DeviceIndex),
            Address(DeviceInfo));
    if (DeviceInfo == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_GetDeviceInfo: parameter 'DeviceInfo' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    // A second channel on the unit under download could disturb its mailbox and resets.
    if (library.RefuseDuringDownload("TVCFWDL_GetDeviceInfo"))
        return TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS;
    EnumerationContext& context = library.Context();
    TvcFwdlDevice device(context);
    TVCFWDL_STATUS status =
        device.Open(DeviceIndex, context.DeviceInfoSet(), &context.InterfaceGuid());
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "TVCFWDL_GetDeviceInfo: open device %u failed\n",
                unsigned(DeviceIndex));
        return status;
    }
    status = device.GetDeviceInfo(DeviceInfo, false);
    if (status != TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Error, "TVCFWDL_GetDeviceInfo: read device info failed\n");
    return status;
}

extern "C" TVCFWDL_STATUS TVCFWDL_OpenDevice(uint32_t DeviceIndex) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_OpenDevice( %u )\n", unsigned(DeviceIndex));
    EnumerationContext& context = library.Context();
    if (!context.HasDeviceInfoSet()) {
        FwdlLog(LogType::Error, "open device before enumeration has taken place\n");
        return TVCFWDL_STATUS_NOT_ENUMERATED;
    }
    std::unique_ptr<TvcFwdlDevice>& open = library.OpenDevice();
    if (open) {
        FwdlLog(LogType::Error, "open device found while opening another one\n");
        return TVCFWDL_STATUS_DEVICE_ALREADY_OPEN;
    }
    open.reset(new (std::nothrow) TvcFwdlDevice(context));
    if (!open)
        return TVCFWDL_STATUS_FAILED;
    TVCFWDL_STATUS status =
        open->Open(DeviceIndex, context.DeviceInfoSet(), &context.InterfaceGuid());
    if (status != TVCFWDL_STATUS_SUCCESS)
        open.reset();
    return status;
}

extern "C" TVCFWDL_STATUS TVCFWDL_SetTimeout(uint32_t TimeoutType, uint32_t Milliseconds) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_SetTimeout( %d, %u )\n", int(TimeoutType),
            unsigned(Milliseconds));
    if (library.RefuseDuringDownload("TVCFWDL_SetTimeout"))
        return TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS;
    if (!library.OpenDevice())
        return TVCFWDL_STATUS_DEVICE_NOT_OPEN;
    TVCFWDL_STATUS status = library.OpenDevice()->SetTimeout(TimeoutType, Milliseconds);
    if (status != TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Error, "TVCFWDL_SetTimeout: setting timeout on open device failed\n");
    return status;
}

extern "C" TVCFWDL_STATUS TVCFWDL_CloseDevice(void) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_CloseDevice()\n");
    if (!library.OpenDevice()) {
        FwdlLog(LogType::Error, "TVCFWDL_CloseDevice: no open device to close\n");
        return TVCFWDL_STATUS_DEVICE_NOT_OPEN;
    }
    if (library.RefuseDuringDownload("TVCFWDL_CloseDevice"))
        return TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS;
    library.OpenDevice()->Close();
    library.OpenDevice().reset();
    return TVCFWDL_STATUS_SUCCESS;
}
