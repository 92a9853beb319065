#include "TvdBuilder.h"

#include "Crc32.h"
#include "TvdHeader.h"

#include <cstring>

bool TvdBuilder::Check(const TvdContent& content, std::string& error) {
    if (content.fileVersion > 1)
        error = "file version must be 0 or 1";
    else if (content.vendorId > 0xFFFFFF)
        error = "vendor id has more than 24 bits";
    else if (content.date.size() > MaxDate)
        error = "date has more than 8 characters";
    else if (content.time.size() > MaxTime)
        error = "time has more than 6 characters";
    else if (!content.infoText.empty() && !content.hasImage && !content.hasCnE)
        error = "an info text needs image 1 or CnE data behind it, or its length is unknown";
    else if (content.infoText.find('\0') != std::string::npos)
        error = "info text contains a zero byte";
    else
        return true;
    return false;
}

bool TvdBuilder::Build(const TvdContent& content, std::vector<uint8_t>& file, std::string& error) {
    if (!Check(content, error))
        return false;
    size_t headerSize =
        content.fileVersion == 0 ? TvdLayout::V0HeaderSize : TvdLayout::V1HeaderSize;
    size_t imageOffset = headerSize + content.infoText.size();
    size_t cneOffset = imageOffset + (content.hasImage ? content.image.size() : 0);
    if (cneOffset + content.cne.size() > 0xFFFFFFFFu) {
        error = "the file would be larger than 4 GiB";
        return false;
    }
    TvdHeader header;
    FillCommon(content, header);
    FillParts(content, uint32_t(imageOffset), uint32_t(cneOffset), header);
    header.SetWord(TvdLayout::HeaderCrc, header.ComputeCrc(headerSize));
    file.assign(header.Bytes(), header.Bytes() + headerSize);
    file.insert(file.end(), content.infoText.begin(), content.infoText.end());
    if (content.hasImage)
        file.insert(file.end(), content.image.begin(), content.image.end());
    if (content.hasCnE)
        file.insert(file.end(), content.cne.begin(), content.cne.end());
    return true;
}

void TvdBuilder::FillCommon(const TvdContent& content, TvdHeader& header) {
    std::memcpy(header.Bytes(), content.fileVersion == 0 ? TvdLayout::MagicV0 : TvdLayout::MagicV1,
                4);
    header.SetWord(TvdLayout::InfoWord, content.infoWord);
    std::memcpy(header.Bytes() + TvdLayout::Date, content.date.data(), content.date.size());
    std::memcpy(header.Bytes() + TvdLayout::Time, content.time.data(), content.time.size());
    header.SetWord(TvdLayout::FirmwareVersion, content.firmwareVersion);
    header.SetWord(TvdLayout::FirmwareBuild, content.firmwareBuild);
    header.SetWord(TvdLayout::CompatibleHardwareVersion, content.hardwareVersion);
    for (size_t i = 0; i < 3; ++i)
        header.Bytes()[TvdLayout::NodeVendorId + i] = uint8_t(content.vendorId >> (16 - 8 * i));
    header.SetWord(TvdLayout::FileVersion, content.fileVersion);
}

void TvdBuilder::FillParts(const TvdContent& content, uint32_t imageOffset, uint32_t cneOffset,
                           TvdHeader& header) {
    if (content.hasImage) {
        header.SetWord(TvdLayout::Image1Offset, imageOffset);
        header.SetWord(TvdLayout::Image1Address, content.imageAddress);
        header.SetWord(TvdLayout::Image1Length, uint32_t(content.image.size()));
        header.SetWord(TvdLayout::Image1Crc, Crc32(content.image.data(), content.image.size()));
    }
    if (content.hasCnE) {
        header.SetWord(TvdLayout::CnEOffset, cneOffset);
        header.SetWord(TvdLayout::CnELength, uint32_t(content.cne.size()));
        header.SetWord(TvdLayout::CnECrc, Crc32(content.cne.data(), content.cne.size()));
    }
}
