#pragma once
// The header of a firmware image file: its field offsets and a copy of its
// bytes with little-endian word access.
#include <cstddef>
#include <cstdint>

namespace TvdLayout {
constexpr size_t CommonSize = 48;
constexpr size_t V0SpecificSize = 48;
constexpr size_t V1SpecificSize = 64;
constexpr size_t V0HeaderSize = CommonSize + V0SpecificSize;
constexpr size_t V1HeaderSize = CommonSize + V1SpecificSize;

constexpr size_t Magic = 0;
constexpr size_t InfoWord = 4;
constexpr size_t Date = 8;
constexpr size_t Time = 16;
constexpr size_t FirmwareVersion = 24;
constexpr size_t FirmwareBuild = 28;
constexpr size_t CompatibleHardwareVersion = 32;
constexpr size_t NodeVendorId = 36;
constexpr size_t FileVersion = 40;
constexpr size_t HeaderCrc = 44;
constexpr size_t Image1Offset = 48;
constexpr size_t Image1Address = 52;
constexpr size_t Image1Length = 56;
constexpr size_t Image1Crc = 60;
constexpr size_t Image2Offset = 64;
constexpr size_t CnEOffset = 80;
constexpr size_t CnELength = 88;
constexpr size_t CnECrc = 92;

constexpr char MagicV0[] = "tVcD";
constexpr char MagicV1[] = "TvCd";
}  // namespace TvdLayout

class TvdHeader {
public:
    TvdHeader() { Clear(); }
    virtual ~TvdHeader() = default;

    void Clear();
    uint8_t* Bytes() { return bytes_; }
    const uint8_t* Bytes() const { return bytes_; }
    uint32_t Word(size_t offset) const;
    void SetWord(size_t offset, uint32_t value);
    bool HasMagic(const char* magic) const;
    // CRC-32 of the first headerSize bytes with the CRC field taken as 0.
    uint32_t ComputeCrc(size_t headerSize) const;
    // Where the info text ends: the first data offset that is not 0, or 0.
    uint32_t FirstDataOffset(uint32_t fileVersion) const;

private:
    uint8_t bytes_[TvdLayout::V1HeaderSize];
};
