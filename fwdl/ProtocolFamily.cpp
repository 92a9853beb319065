#include "ProtocolFamily.h"

#include "Log.h"
#include "Prot1and2Family.h"
#include "Prot3Family.h"
#include "TvcDevice.h"

const ProtocolFamily* ProtocolFamily::ForVersion(DWORD protocolVersion) {
    static const Prot1and2Family partByPart;
    static const Prot3Family wholeFile;
    if (protocolVersion == 1 || protocolVersion == 2)
        return &partByPart;
    return protocolVersion == 3 ? &wholeFile : nullptr;
}

bool ProtocolFamily::HardwareDiffers(const TvdFile& file, const TvcDevice& device,
                                     const CheckWaivers& waivers) {
    DWORD compatible = file.Header().Word(TvdLayout::CompatibleHardwareVersion);
    DWORD model = device.InfoWord(DeviceLayout::HardwareModelID);
    if (waivers.hardware || compatible == model)
        return false;
    FwdlLog(LogType::Info,
            "CheckDownload: hardware version mismatch: CompatibleHardwareVersion (file) = 0x%X, "
            "HardwareModelID (device) = 0x%X\n",
            unsigned(compatible), unsigned(model));
    return true;
}
