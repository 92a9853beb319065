#pragma once
// A firmware image file: opened and validated by its header CRC, described
// for the caller, and handed to the download as whole parts or raw blocks.
#include "TvdHeader.h"
#include "tvc_fwdl.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

class TvdFile {
public:
    TvdFile() = default;
    virtual ~TvdFile();
    TvdFile(const TvdFile&) = delete;
    TvdFile& operator=(const TvdFile&) = delete;

    // 0, 1 (already open), 3 (missing), 4 (short), 5 (format), 6 (header CRC).
    TVCFWDL_STATUS Open(const char* path);
    void Close();
    TVCFWDL_STATUS GetFileInfo(TVCFWDL_TVD_FILE_INFO* info) const;
    // Loaded and checked on first request, kept until Close; null when the
    // file has no such part. Only version 0 files are taken apart.
    TVCFWDL_STATUS GetImage1(const uint8_t** image);
    TVCFWDL_STATUS GetCnE(const uint8_t** data);
    // Every part the header names lies inside the file and matches its CRC:
    // 4 (outside the file), 7 (image) or 8 (CnE data), as the loaders report.
    TVCFWDL_STATUS CheckParts();
    TVCFWDL_STATUS ResetFilePtr();
    // A short count at the end of the file is success; the caller compares.
    TVCFWDL_STATUS Read(void* buffer, uint32_t count, uint32_t* got);

    bool IsOpen() const { return stream_ != nullptr; }
    const TvdHeader& Header() const { return header_; }
    uint32_t FileVersion() const { return fileVersion_; }
    bool HasCnEData() const { return hasCnEData_; }
    uint64_t FileSize() const { return fileSize_; }
    const char* Date() const { return date_; }
    const char* Time() const { return time_; }
    const std::string& InfoText() const { return infoText_; }

private:
    struct Part;
    static const Part Image1Part;
    static const Part CnEPart;

    size_t HeaderSize() const;
    TVCFWDL_STATUS ReadHeader();
    TVCFWDL_STATUS ReadMagic();
    TVCFWDL_STATUS ReadSpecificHeader();
    TVCFWDL_STATUS CheckHeader();
    TVCFWDL_STATUS ReadInfoText();
    TVCFWDL_STATUS LoadPart(const Part& part, std::unique_ptr<uint8_t[]>& buffer,
                            const uint8_t** out);
    TVCFWDL_STATUS ReadPart(const Part& part, std::unique_ptr<uint8_t[]>& buffer);
    TVCFWDL_STATUS CheckPartInPlace(const Part& part);

    TvdHeader header_;
    char date_[9] = {};
    char time_[7] = {};
    std::string infoText_;
    uint32_t infoLength_ = 0;
    std::FILE* stream_ = nullptr;
    std::string fileName_;
    std::unique_ptr<uint8_t[]> image1_;
    std::unique_ptr<uint8_t[]> cne_;
    bool hasCnEData_ = false;
    uint32_t fileVersion_ = 0;
    uint64_t fileSize_ = 0;
};
