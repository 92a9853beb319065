#pragma once
// The complete download run around the transfer: stop all units, put the
// unit into its bootloader, transfer, start the application, start all
// units, and let the device installer disable and enable the unit.
#include "Downloader.h"
#include "TvcFwdlDevice.h"
#include "TvcStaticDevice.h"

#include <string>

class TvcFwdlDownloader : public Downloader {
public:
    TvcFwdlDownloader();
    ~TvcFwdlDownloader() override;

    // The driver-wide control device's path for an interface class.
    static std::string ControlDevicePath(const GUID& interfaceGuid);

protected:
    void ThreadRoutine() override;
    TVCFWDL_STATUS Download() override;

private:
    TVCFWDL_STATUS CheckRun(TvcFwdlDevice& device);
    TVCFWDL_STATUS RunStopped(TvcFwdlDevice& device, TvcStaticDevice& units);
    TVCFWDL_STATUS Transfer(TvcFwdlDevice& device);
    TVCFWDL_STATUS Reinstall(TvcFwdlDevice& device);
};
