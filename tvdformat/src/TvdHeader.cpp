#include "TvdHeader.h"

#include "Crc32.h"

#include <cstring>

void TvdHeader::Clear() {
    std::memset(bytes_, 0, sizeof bytes_);
}

uint32_t TvdHeader::Word(size_t offset) const {
    return uint32_t(bytes_[offset]) | uint32_t(bytes_[offset + 1]) << 8 |
           uint32_t(bytes_[offset + 2]) << 16 | uint32_t(bytes_[offset + 3]) << 24;
}

void TvdHeader::SetWord(size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        bytes_[offset + i] = uint8_t(value >> (8 * i));
}

bool TvdHeader::HasMagic(const char* magic) const {
    return std::memcmp(bytes_ + TvdLayout::Magic, magic, 4) == 0;
}

uint32_t TvdHeader::ComputeCrc(size_t headerSize) const {
    TvdHeader copy(*this);
    copy.SetWord(TvdLayout::HeaderCrc, 0);
    return Crc32(copy.bytes_, headerSize);
}

uint32_t TvdHeader::FirstDataOffset(uint32_t fileVersion) const {
    const size_t v0Order[] = {TvdLayout::Image1Offset, TvdLayout::Image2Offset,
                              TvdLayout::CnEOffset};
    const size_t v1Order[] = {TvdLayout::Image1Offset, TvdLayout::CnEOffset};
    const size_t* order = fileVersion == 0 ? v0Order : v1Order;
    size_t count = fileVersion == 0 ? 3 : 2;
    for (size_t i = 0; i < count; ++i)
        if (Word(order[i]) != 0)
            return Word(order[i]);
    return 0;
}
