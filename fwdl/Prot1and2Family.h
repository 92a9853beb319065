#pragma once
// Protocol versions 1 and 2: the unit takes a version 0 file part by part,
// each part as one object through the mailbox, and stays on the bus while
// it is reset.
#include "ProtocolFamily.h"

class Prot1and2Family : public ProtocolFamily {
public:
    void Check(const TvdFile& file, const TvcDevice& device, const CheckWaivers& waivers,
               DWORD& conditions) const override;
    TVCFWDL_STATUS Reset(TvcFwdlDevice& device, DWORD type) const override;
    TVCFWDL_STATUS Transfer(const TransferRun& run) const override;
    const char* TransferName() const override { return "DownloadProt1and2"; }
};
