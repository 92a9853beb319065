#include "SkinBytes.h"

#include <algorithm>

#include "SkinData.h"
#include "SkinData2x.h"

namespace skintest {

namespace {

std::uint32_t crc32(const std::string& type, const std::vector<unsigned char>& data) {
    std::uint32_t crc = 0xFFFFFFFFu;
    auto feed = [&crc](unsigned char byte) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    };
    for (char c : type)
        feed(static_cast<unsigned char>(c));
    for (unsigned char byte : data)
        feed(byte);
    return crc ^ 0xFFFFFFFFu;
}

bool isFrameMarker(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

}  // namespace

namespace {

using Getter = const char* (*)(const char* name, int& size);

Bytes lookUp(const std::string& file, int count, const char* const* names, const char* const* files,
             Getter get) {
    for (int i = 0; i < count; ++i) {
        if (file != files[i])
            continue;
        int size = 0;
        const char* data = get(names[i], size);
        return {reinterpret_cast<const unsigned char*>(data), static_cast<std::size_t>(size)};
    }
    return {};
}

}  // namespace

Bytes resource(const std::string& file) {
    return lookUp(file, SkinData::namedResourceListSize, SkinData::namedResourceList,
                  SkinData::originalFilenames, SkinData::getNamedResource);
}

Bytes resource2x(const std::string& file) {
    return lookUp(file, SkinData2x::namedResourceListSize, SkinData2x::namedResourceList,
                  SkinData2x::originalFilenames, SkinData2x::getNamedResource);
}

std::uint32_t bigEndian32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

std::vector<PngChunk> pngChunks(Bytes bytes) {
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<PngChunk> chunks;
    if (bytes.size < 8 || !std::equal(kSignature, kSignature + 8, bytes.data))
        return chunks;
    std::size_t at = 8;
    while (at + 12 <= bytes.size) {
        const std::size_t length = bigEndian32(bytes.data + at);
        if (length > bytes.size - at - 12)
            break;
        PngChunk chunk;
        chunk.type.assign(reinterpret_cast<const char*>(bytes.data + at + 4), 4);
        chunk.data.assign(bytes.data + at + 8, bytes.data + at + 8 + length);
        chunk.crcOk = crc32(chunk.type, chunk.data) == bigEndian32(bytes.data + at + 8 + length);
        chunks.push_back(std::move(chunk));
        at += 12 + length;
    }
    return chunks;
}

JpegFrame jpegFrame(Bytes bytes) {
    JpegFrame frame;
    if (bytes.size < 4 || bytes.data[0] != 0xFF || bytes.data[1] != 0xD8)
        return frame;
    std::size_t at = 2;
    while (at + 4 <= bytes.size && bytes.data[at] == 0xFF) {
        const int marker = bytes.data[at + 1];
        const std::size_t length = (std::size_t{bytes.data[at + 2]} << 8) | bytes.data[at + 3];
        if (isFrameMarker(marker) && at + 10 <= bytes.size) {
            const unsigned char* p = bytes.data + at + 4;
            frame.marker = marker;
            frame.precision = p[0];
            frame.height = (p[1] << 8) | p[2];
            frame.width = (p[3] << 8) | p[4];
            frame.components = p[5];
            return frame;
        }
        at += 2 + length;
    }
    return frame;
}

}  // namespace skintest
