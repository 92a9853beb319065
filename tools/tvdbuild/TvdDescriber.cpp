#include "TvdDescriber.h"

#include "Crc32.h"
#include "TvdLog.h"
#include "TvdFile.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

std::string Format(const char* format, ...) TVD_PRINTF(1, 2);

std::string Format(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

std::string Quoted(const uint8_t* bytes, size_t size) {
    std::string text(reinterpret_cast<const char*>(bytes), size);
    return "\"" + std::string(text.c_str()) + "\"";
}

std::string CrcVerdict(uint32_t stored, uint32_t computed) {
    if (stored == computed)
        return Format("0x%08X (valid)", stored);
    return Format("0x%08X (INVALID, computed 0x%08X)", stored, computed);
}

}  // namespace

struct TvdDescriber::PartFields {
    size_t offset;
    size_t length;
    size_t crc;
    bool hasAddress;
};

TvdDescriber::TvdDescriber(std::string path, std::vector<uint8_t> bytes)
    : path_(std::move(path)), bytes_(std::move(bytes)) {
    Describe();
}

void TvdDescriber::Describe() {
    Line("File", path_ + " (" + std::to_string(bytes_.size()) + " bytes)");
    if (DescribeFormat()) {
        DescribeIdentity();
        DescribeInfoText();
        DescribePart("Image 1", {TvdLayout::Image1Offset, TvdLayout::Image1Length,
                                 TvdLayout::Image1Crc, true});
        DescribePart("CnE data",
                     {TvdLayout::CnEOffset, TvdLayout::CnELength, TvdLayout::CnECrc, false});
    }
    DescribeLibraryCheck();
}

bool TvdDescriber::DescribeFormat() {
    if (bytes_.size() < TvdLayout::CommonSize) {
        Fault("Format", "too short for a file header");
        return false;
    }
    std::memcpy(header_.Bytes(), bytes_.data(), TvdLayout::CommonSize);
    std::string magic = Quoted(bytes_.data(), 4);
    if (header_.HasMagic(TvdLayout::MagicV0)) {
        version_ = 0;
    } else if (header_.HasMagic(TvdLayout::MagicV1) && header_.Word(TvdLayout::FileVersion) == 1) {
        version_ = 1;
    } else {
        Fault("Format", "unknown: magic " + magic +
                            Format(", version word %u", header_.Word(TvdLayout::FileVersion)));
        return false;
    }
    headerSize_ = version_ == 0 ? TvdLayout::V0HeaderSize : TvdLayout::V1HeaderSize;
    if (bytes_.size() < headerSize_) {
        Fault("Format", Format("version %u, but shorter than its %u-byte header", version_,
                               unsigned(headerSize_)));
        return false;
    }
    std::memcpy(header_.Bytes(), bytes_.data(), headerSize_);
    Line("Format", Format("version %u (magic %s), header %u bytes", version_, magic.c_str(),
                          unsigned(headerSize_)));
    uint32_t computed = header_.ComputeCrc(headerSize_);
    Report(computed == header_.Word(TvdLayout::HeaderCrc), "Header CRC",
           CrcVerdict(header_.Word(TvdLayout::HeaderCrc), computed));
    return true;
}

void TvdDescriber::DescribeIdentity() {
    const uint8_t* vendor = header_.Bytes() + TvdLayout::NodeVendorId;
    Line("Firmware", Format("version 0x%08X, build %u", header_.Word(TvdLayout::FirmwareVersion),
                            header_.Word(TvdLayout::FirmwareBuild)));
    Line("Hardware", Format("0x%08X", header_.Word(TvdLayout::CompatibleHardwareVersion)));
    Line("Vendor", Format("0x%02X%02X%02X", vendor[0], vendor[1], vendor[2]));
    Line("Info word", Format("0x%08X", header_.Word(TvdLayout::InfoWord)));
    Line("Date", Quoted(header_.Bytes() + TvdLayout::Date, 8));
    Line("Time", Quoted(header_.Bytes() + TvdLayout::Time, 6));
}

void TvdDescriber::DescribeInfoText() {
    uint32_t end = header_.FirstDataOffset(version_);
    if (end == 0) {
        Line("Info text", "length unknown (the file has no data offsets)");
        return;
    }
    if (end < headerSize_ || end > bytes_.size()) {
        Fault("Info text", Format("data offset %u lies outside %u..", end, unsigned(headerSize_)) +
                               std::to_string(bytes_.size()));
        return;
    }
    std::string text(bytes_.begin() + long(headerSize_), bytes_.begin() + long(end));
    Line("Info text", std::to_string(text.size()) + " characters");
    for (size_t start = 0; start < text.size();) {
        size_t stop = text.find('\n', start);
        if (stop == std::string::npos)
            stop = text.size();
        text_ += "    | " + text.substr(start, stop - start) + "\n";
        start = stop + 1;
    }
}

void TvdDescriber::DescribePart(const char* label, const PartFields& fields) {
    uint32_t offset = header_.Word(fields.offset);
    uint32_t length = header_.Word(fields.length);
    if (offset == 0) {
        Line(label, "none");
        return;
    }
    std::string where = Format("offset %u, %u bytes", offset, length);
    if (fields.hasAddress)
        where += Format(", address 0x%08X", header_.Word(TvdLayout::Image1Address));
    if (uint64_t(offset) + length > bytes_.size()) {
        Fault(label, where + ", reaches beyond the end of the file");
        return;
    }
    uint32_t computed = Crc32(bytes_.data() + offset, length);
    Report(computed == header_.Word(fields.crc), label,
           where + ", CRC " + CrcVerdict(header_.Word(fields.crc), computed));
}

void TvdDescriber::DescribeLibraryCheck() {
    TvdFile file;
    TVCFWDL_STATUS status = file.Open(path_.c_str());
    if (status == TVCFWDL_STATUS_SUCCESS)
        status = file.CheckParts();
    Report(
        status == TVCFWDL_STATUS_SUCCESS, "Library",
        status == TVCFWDL_STATUS_SUCCESS ? "accepted" : Format("refused with status %u", status));
}

void TvdDescriber::Line(const char* label, const std::string& value) {
    text_ += Format("%-12s", (std::string(label) + ":").c_str()) + value + "\n";
}

void TvdDescriber::Fault(const char* label, const std::string& value) {
    valid_ = false;
    Line(label, value);
}

void TvdDescriber::Report(bool good, const char* label, const std::string& value) {
    if (good)
        Line(label, value);
    else
        Fault(label, value);
}
