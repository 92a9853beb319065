#pragma once
// Protocol version 3: the unit takes the whole version 1 file, header
// included, in blocks after announcing its parts, checks the vendor as well,
// and leaves the bus while it is reset.
#include "Crc32.h"
#include "ProtocolFamily.h"

class Prot3Family : public ProtocolFamily {
public:
    void Check(const TvdFile& file, const TvcDevice& device, const CheckWaivers& waivers,
               DWORD& conditions) const override;
    TVCFWDL_STATUS Reset(TvcFwdlDevice& device, DWORD type) const override;
    TVCFWDL_STATUS Transfer(const TransferRun& run) const override;
    const char* TransferName() const override { return "DownloadProt3"; }

private:
    static TVCFWDL_STATUS StartObjects(const TransferRun& run, DWORD& blockSize, bool& cneStarted);
    static TVCFWDL_STATUS SendFile(const TransferRun& run, DWORD blockSize);
    static TVCFWDL_STATUS SendFileBlocks(const TransferRun& run, BYTE* buffer, DWORD blockSize,
                                         RunningCrc32& sent);
};
