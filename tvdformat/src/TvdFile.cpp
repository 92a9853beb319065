#include "TvdFile.h"

#include "Crc32.h"
#include "TvdLog.h"

#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>

struct TvdFile::Part {
    const char* operation;
    const char* noun;
    size_t offsetField;
    size_t lengthField;
    size_t crcField;
    TVCFWDL_STATUS crcStatus;
};

const TvdFile::Part TvdFile::Image1Part = {"GetImage1",
                                           "image 1",
                                           TvdLayout::Image1Offset,
                                           TvdLayout::Image1Length,
                                           TvdLayout::Image1Crc,
                                           TVCFWDL_STATUS_IMAGE_CRC};
const TvdFile::Part TvdFile::CnEPart = {"GetCnE",
                                        "CnE data",
                                        TvdLayout::CnEOffset,
                                        TvdLayout::CnELength,
                                        TvdLayout::CnECrc,
                                        TVCFWDL_STATUS_CNE_CRC};

TvdFile::~TvdFile() {
    Close();
}

TVCFWDL_STATUS TvdFile::Open(const char* path) {
    if (IsOpen()) {
        TvdLog::Report(TvdLog::Level::Error, "TvdFile::Open: file is already open.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    std::error_code error;
    std::uintmax_t size = path ? std::filesystem::file_size(path, error) : 0;
    if (path == nullptr || error) {
        TvdLog::Report(TvdLog::Level::Error, "TvdFile::Open: file '%s' could not be found.\n",
                       path ? path : "");
        return TVCFWDL_STATUS_FILE_OPEN_FAILED;
    }
    stream_ = std::fopen(path, "rb");
    if (stream_ == nullptr) {
        TvdLog::Report(TvdLog::Level::Error, "open file '%s' failed\n", path);
        return TVCFWDL_STATUS_FILE_OPEN_FAILED;
    }
    fileName_ = path;
    fileSize_ = size;
    TVCFWDL_STATUS status = ReadHeader();
    if (status == TVCFWDL_STATUS_SUCCESS)
        status = ReadInfoText();
    if (status != TVCFWDL_STATUS_SUCCESS)
        Close();
    return status;
}

size_t TvdFile::HeaderSize() const {
    return fileVersion_ == 0 ? TvdLayout::V0HeaderSize : TvdLayout::V1HeaderSize;
}

TVCFWDL_STATUS TvdFile::ReadHeader() {
    if (std::fread(header_.Bytes(), 1, TvdLayout::CommonSize, stream_) != TvdLayout::CommonSize) {
        TvdLog::Report(TvdLog::Level::Error, "reading common file header from file '%s' failed\n",
                       fileName_.c_str());
        return TVCFWDL_STATUS_FILE_READ_FAILED;
    }
    TVCFWDL_STATUS status = ReadMagic();
    if (status != TVCFWDL_STATUS_SUCCESS)
        return status;
    std::memcpy(date_, header_.Bytes() + TvdLayout::Date, 8);
    std::memcpy(time_, header_.Bytes() + TvdLayout::Time, 6);
    status = ReadSpecificHeader();
    if (status != TVCFWDL_STATUS_SUCCESS)
        return status;
    return CheckHeader();
}

TVCFWDL_STATUS TvdFile::ReadMagic() {
    if (header_.HasMagic(TvdLayout::MagicV0)) {
        fileVersion_ = 0;
        return TVCFWDL_STATUS_SUCCESS;
    }
    if (!header_.HasMagic(TvdLayout::MagicV1)) {
        TvdLog::Report(TvdLog::Level::Error, "unknown file identifier for file '%s' found.\n",
                       fileName_.c_str());
        return TVCFWDL_STATUS_FILE_FORMAT;
    }
    fileVersion_ = header_.Word(TvdLayout::FileVersion);
    if (fileVersion_ != 1) {
        TvdLog::Report(TvdLog::Level::Error,
                       "file '%s': expected file version = 1, found version = %u\n",
                       fileName_.c_str(), fileVersion_);
        return TVCFWDL_STATUS_FILE_FORMAT;
    }
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvdFile::ReadSpecificHeader() {
    size_t size = HeaderSize() - TvdLayout::CommonSize;
    if (std::fread(header_.Bytes() + TvdLayout::CommonSize, 1, size, stream_) != size) {
        if (fileVersion_ == 0)
            TvdLog::Report(TvdLog::Level::Error,
                           "reading V0-specific file header from file '%s' failed\n",
                           fileName_.c_str());
        else
            TvdLog::Report(TvdLog::Level::Error,
                           "reading V1-specific file header from file '%s' failed\n",
                           fileName_.c_str());
        return TVCFWDL_STATUS_FILE_READ_FAILED;
    }
    hasCnEData_ = header_.Word(TvdLayout::CnEOffset) != 0;
    return TVCFWDL_STATUS_SUCCESS;
}

// The CRC comes before the data offset check, so that a damaged header is
// always reported as such.
TVCFWDL_STATUS TvdFile::CheckHeader() {
    uint32_t dataOffset = header_.FirstDataOffset(fileVersion_);
    if (dataOffset == 0)
        TvdLog::Report(TvdLog::Level::Warning,
                       "File '%s' has no data. Therefore length of info text is unknown.\n",
                       fileName_.c_str());
    if (header_.ComputeCrc(HeaderSize()) != header_.Word(TvdLayout::HeaderCrc)) {
        TvdLog::Report(TvdLog::Level::Error, "Unexpected crc header value in file '%s'\n",
                       fileName_.c_str());
        return TVCFWDL_STATUS_HEADER_CRC;
    }
    if (dataOffset != 0 && dataOffset < HeaderSize()) {
        TvdLog::Report(TvdLog::Level::Error,
                       "data offset %u in file '%s' lies inside the file header\n", dataOffset,
                       fileName_.c_str());
        return TVCFWDL_STATUS_FILE_FORMAT;
    }
    infoLength_ = dataOffset == 0 ? 0 : uint32_t(dataOffset - HeaderSize());
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvdFile::ReadInfoText() {
    // A length beyond the end of the file cannot be read; refusing it before
    // allocating keeps a damaged offset from asking for gigabytes.
    bool fits = HeaderSize() + uint64_t(infoLength_) <= fileSize_;
    std::string text(fits ? infoLength_ : 0, '\0');
    if (!fits || std::fread(&text[0], 1, infoLength_, stream_) != infoLength_) {
        TvdLog::Report(TvdLog::Level::Error, "reading info text of file '%s' failed\n",
                       fileName_.c_str());
        return TVCFWDL_STATUS_FILE_READ_FAILED;
    }
    infoText_ = text.c_str();
    return TVCFWDL_STATUS_SUCCESS;
}

void TvdFile::Close() {
    if (stream_ != nullptr && std::fclose(stream_) != 0)
        TvdLog::Report(TvdLog::Level::Error, "closing file '%s' failed\n", fileName_.c_str());
    stream_ = nullptr;
    header_.Clear();
    std::memset(date_, 0, sizeof date_);
    std::memset(time_, 0, sizeof time_);
    infoText_.clear();
    infoLength_ = 0;
    fileName_.clear();
    image1_.reset();
    cne_.reset();
    hasCnEData_ = false;
    fileVersion_ = 0;
    fileSize_ = 0;
}

TVCFWDL_STATUS TvdFile::GetFileInfo(TVCFWDL_TVD_FILE_INFO* info) const {
    std::memset(info, 0, sizeof *info);
    if (!IsOpen()) {
        TvdLog::Report(TvdLog::Level::Error, "TvdFile::GetFileInfo: no open tvd file.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    info->InfoWord = header_.Word(TvdLayout::InfoWord);
    info->FirmwareVersion = header_.Word(TvdLayout::FirmwareVersion);
    info->FirmwareBuild = header_.Word(TvdLayout::FirmwareBuild);
    info->CompatibleHardwareVersion = header_.Word(TvdLayout::CompatibleHardwareVersion);
    std::memcpy(info->Date, header_.Bytes() + TvdLayout::Date, 8);
    std::memcpy(info->Time, header_.Bytes() + TvdLayout::Time, 8);
    for (size_t i = 0; i < 3; ++i)
        info->NodeVendorId[i] = header_.Bytes()[TvdLayout::NodeVendorId + 2 - i];
    size_t length = infoText_.size();
    if (length >= TVCFWDL_TVD_FILE_INFO_TEXT_SIZE) {
        TvdLog::Report(TvdLog::Level::Warning, "Info text of file %s will be truncated.\n",
                       fileName_.c_str());
        TvdLog::Report(TvdLog::Level::Warning,
                       "TVCFWDL_TVD_FILE_INFO_TEXT_SIZE has to be greater then %u\n",
                       unsigned(length));
        length = TVCFWDL_TVD_FILE_INFO_TEXT_SIZE - 1;
    }
    std::memcpy(info->InfoText, infoText_.data(), length);
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvdFile::GetImage1(const uint8_t** image) {
    return LoadPart(Image1Part, image1_, image);
}

TVCFWDL_STATUS TvdFile::GetCnE(const uint8_t** data) {
    return LoadPart(CnEPart, cne_, data);
}

TVCFWDL_STATUS TvdFile::LoadPart(const Part& part, std::unique_ptr<uint8_t[]>& buffer,
                                 const uint8_t** out) {
    *out = nullptr;
    if (!IsOpen()) {
        TvdLog::Report(TvdLog::Level::Error, "TvdFile::%s: no open tvd file.\n", part.operation);
        return TVCFWDL_STATUS_FAILED;
    }
    if (fileVersion_ != 0) {
        TvdLog::Report(TvdLog::Level::Error, "TvdFile::%s: file version 0 required.\n",
                       part.operation);
        return TVCFWDL_STATUS_FAILED;
    }
    if (header_.Word(part.offsetField) == 0)
        return TVCFWDL_STATUS_SUCCESS;
    if (!buffer) {
        TVCFWDL_STATUS status = ReadPart(part, buffer);
        if (status != TVCFWDL_STATUS_SUCCESS)
            return status;
    }
    *out = buffer.get();
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvdFile::ReadPart(const Part& part, std::unique_ptr<uint8_t[]>& buffer) {
    uint32_t offset = header_.Word(part.offsetField);
    uint32_t length = header_.Word(part.lengthField);
    if (std::fseek(stream_, long(offset), SEEK_SET) != 0) {
        TvdLog::Report(TvdLog::Level::Error, "move to position of %s in file '%s' failed\n",
                       part.noun, fileName_.c_str());
        return TVCFWDL_STATUS_FILE_READ_FAILED;
    }
    // Past the end of the file the read would come short: no need to allocate.
    bool fits = uint64_t(offset) + length <= fileSize_;
    std::unique_ptr<uint8_t[]> data(fits ? new (std::nothrow) uint8_t[size_t(length) + 1]
                                         : nullptr);
    if (fits && !data) {
        TvdLog::Report(TvdLog::Level::Error, "allocating %u bytes for %s of file '%s' failed\n",
                       length, part.noun, fileName_.c_str());
        return TVCFWDL_STATUS_FAILED;
    }
    if (!fits || std::fread(data.get(), 1, length, stream_) != length) {
        TvdLog::Report(TvdLog::Level::Error, "reading %s of file '%s' failed\n", part.noun,
                       fileName_.c_str());
        return TVCFWDL_STATUS_FILE_READ_FAILED;
    }
    if (Crc32(data.get(), length) != header_.Word(part.crcField)) {
        TvdLog::Report(TvdLog::Level::Error, "Unexpected crc value of %s in file '%s'\n", part.noun,
                       fileName_.c_str());
        return part.crcStatus;
    }
    buffer = std::move(data);
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvdFile::CheckParts() {
    if (!IsOpen()) {
        TvdLog::Report(TvdLog::Level::Error, "TvdFile::CheckParts: no open tvd file.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    const uint8_t* part = nullptr;
    if (fileVersion_ == 0) {
        TVCFWDL_STATUS status = GetImage1(&part);
        return status == TVCFWDL_STATUS_SUCCESS ? GetCnE(&part) : status;
    }
    TVCFWDL_STATUS status = CheckPartInPlace(Image1Part);
    return status == TVCFWDL_STATUS_SUCCESS ? CheckPartInPlace(CnEPart) : status;
}

// A version 1 file goes to the unit whole, so its parts are checked where
// they lie, without keeping them.
TVCFWDL_STATUS TvdFile::CheckPartInPlace(const Part& part) {
    uint32_t offset = header_.Word(part.offsetField);
    uint32_t length = header_.Word(part.lengthField);
    if (offset == 0)
        return TVCFWDL_STATUS_SUCCESS;
    if (uint64_t(offset) + length > fileSize_ || std::fseek(stream_, long(offset), SEEK_SET) != 0) {
        TvdLog::Report(TvdLog::Level::Error, "reading %s of file '%s' failed\n", part.noun,
                       fileName_.c_str());
        return TVCFWDL_STATUS_FILE_READ_FAILED;
    }
    RunningCrc32 crc;
    uint8_t chunk[65536];
    for (uint32_t left = length; left > 0;) {
        size_t count = left < sizeof chunk ? left : sizeof chunk;
        if (std::fread(chunk, 1, count, stream_) != count) {
            TvdLog::Report(TvdLog::Level::Error, "reading %s of file '%s' failed\n", part.noun,
                           fileName_.c_str());
            return TVCFWDL_STATUS_FILE_READ_FAILED;
        }
        crc.Add(chunk, count);
        left -= uint32_t(count);
    }
    if (crc.Value() != header_.Word(part.crcField)) {
        TvdLog::Report(TvdLog::Level::Error, "Unexpected crc value of %s in file '%s'\n", part.noun,
                       fileName_.c_str());
        return part.crcStatus;
    }
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvdFile::ResetFilePtr() {
    if (!IsOpen()) {
        TvdLog::Report(TvdLog::Level::Error, "TvdFile::ResetFilePtr: no open tvd file.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (std::fseek(stream_, 0, SEEK_SET) != 0) {
        TvdLog::Report(TvdLog::Level::Error,
                       "ResetFilePtr: moving to the beginning of the file '%s' failed.\n",
                       fileName_.c_str());
        return TVCFWDL_STATUS_FILE_READ_FAILED;
    }
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvdFile::Read(void* buffer, uint32_t count, uint32_t* got) {
    if (!IsOpen()) {
        TvdLog::Report(TvdLog::Level::Error, "TvdFile::Read: no open tvd file.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    size_t read = std::fread(buffer, 1, count, stream_);
    *got = uint32_t(read);
    if (read < count && std::ferror(stream_)) {
        *got = 0;
        TvdLog::Report(TvdLog::Level::Error, "Reading tvd file data failed.\n");
        return TVCFWDL_STATUS_FILE_READ_FAILED;
    }
    return TVCFWDL_STATUS_SUCCESS;
}
