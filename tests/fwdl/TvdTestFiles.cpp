#include "TvdTestFiles.h"

#include "Crc32.h"

#include <fstream>
#include <iterator>

const std::vector<uint8_t>& LiteralV0File() {
    static const std::vector<uint8_t> bytes = {
        0x74, 0x56, 0x63, 0x44, 0x44, 0x33, 0x22, 0x11, 0x32, 0x30, 0x32, 0x34, 0x30, 0x31,
        0x33, 0x31, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x00, 0x00, 0x02, 0x00, 0x01, 0x00,
        0x07, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0xA0, 0xDE, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x7F, 0x70, 0x5A, 0x99, 0x64, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00,
        0x04, 0x00, 0x00, 0x00, 0xC0, 0x0F, 0xFC, 0x51, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x68, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0xBD, 0x19, 0x55, 0x70, 0x48, 0x69,
        0x21, 0x0A, 0x49, 0x4D, 0x47, 0x31, 0x43, 0x6E, 0x45};
    return bytes;
}

TvdContent SampleContent(uint32_t fileVersion) {
    TvdContent content;
    content.fileVersion = fileVersion;
    content.firmwareVersion = 0x00020001;
    content.firmwareBuild = 42;
    content.hardwareVersion = 3;
    content.vendorId = 0x00A0DE;
    content.date = "20240131";
    content.time = "123456";
    content.infoText = "Build 42\n";
    content.hasImage = true;
    content.imageAddress = 0x8000;
    for (int i = 0; i < 64; ++i)
        content.image.push_back(uint8_t(i * 7));
    content.hasCnE = true;
    content.cne.assign(16, 0xCE);
    return content;
}

std::string WriteTvd(const std::string& path, const TvdContent& content) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (TvdBuilder::Build(content, bytes, error))
        WriteBytes(path, bytes);
    return path;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void FlipByte(const std::string& path, size_t offset) {
    std::vector<uint8_t> bytes = ReadBytes(path);
    bytes.at(offset) ^= 0x01;
    WriteBytes(path, bytes);
}

void PatchWord(const std::string& path, size_t offset, uint32_t value) {
    std::vector<uint8_t> bytes = ReadBytes(path);
    for (size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = uint8_t(value >> (8 * i));
    WriteBytes(path, bytes);
}

void FixHeaderCrc(const std::string& path, size_t headerSize) {
    PatchWord(path, 44, 0);
    std::vector<uint8_t> bytes = ReadBytes(path);
    PatchWord(path, 44, Crc32(bytes.data(), headerSize));
}
