#pragma once
// What differs between the two protocol families of the units: which file a
// unit takes, how it is reset between its bootloader and its application,
// and how the file reaches it. A unit's family is chosen once, when it is
// opened, from the protocol version of its information block.
#include "DownloadStatus.h"
#include "TvdFile.h"
#include "tvc_fwdl.h"

#include <windows.h>

class TvcDevice;
class TvcFwdlDevice;

// What the check of a download overlooks, as the start flags ask.
struct CheckWaivers {
    bool hardware;
    bool vendor;
};

// One transfer: the unit, the file, what to send and the progress to count into.
struct TransferRun {
    TvcDevice& device;
    TvdFile& file;
    DWORD downloadType;
    DownloadStatus& progress;
};

class ProtocolFamily {
public:
    virtual ~ProtocolFamily() = default;

    // Null for a version no family speaks (0, above 3).
    static const ProtocolFamily* ForVersion(DWORD protocolVersion);

    // Sets the conditions that the file's version, hardware and vendor give.
    virtual void Check(const TvdFile& file, const TvcDevice& device, const CheckWaivers& waivers,
                       DWORD& conditions) const = 0;
    // Type 1 halts the unit in its bootloader, type 0 starts its application.
    virtual TVCFWDL_STATUS Reset(TvcFwdlDevice& device, DWORD type) const = 0;
    virtual TVCFWDL_STATUS Transfer(const TransferRun& run) const = 0;
    // How the download's failure line names the transfer.
    virtual const char* TransferName() const = 0;

protected:
    // Logged when it differs and is not waived.
    static bool HardwareDiffers(const TvdFile& file, const TvcDevice& device,
                                const CheckWaivers& waivers);
};
