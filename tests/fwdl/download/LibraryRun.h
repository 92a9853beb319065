#pragma once
// Whole runs through the exports of the built library, loaded with dlopen as
// an outside updater would, against a bus file of the test's own.
#include "FwdlApi.h"
#include "SimBusTest.h"
#include "TvdBuilder.h"

#include <string>

class LibraryRun : public SimBusTest {
protected:
    LibraryRun();
    ~LibraryRun() override;

    static FwdlApi& Api();
    // A firmware file the default unit accepts: model 0x00010001, its vendor,
    // firmware 0x00020000 build 5, 3000 bytes of image and 100 of CnE data.
    static TvdContent Content(uint32_t fileVersion);
    std::string File(const TvdContent& content, const std::string& name = "fw.tvd");
    // Enumerates, opens unit 0, starts, waits; the final download status.
    uint32_t Download(const std::string& file, uint32_t flags = 0);
    uint32_t WaitForEnd();
    std::string LogText() const;

    uint32_t done_ = 0;
    uint32_t total_ = 0;

private:
    ScopedEnv scale_;
};
