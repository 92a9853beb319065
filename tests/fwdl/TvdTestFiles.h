#pragma once
// Firmware image files for the tests: made with the builder, then damaged
// on purpose byte by byte.
#include "TvdBuilder.h"

#include <cstdint>
#include <string>
#include <vector>

// Version 0, 107 bytes: InfoWord 0x11223344, date "20240131", time "123456",
// firmware 0x00010002 build 7, hardware 5, vendor 00 A0 DE, info "Hi!\n",
// image "IMG1" at 0x8000, CnE data "CnE"; CRCs computed with another
// implementation.
const std::vector<uint8_t>& LiteralV0File();

// Image 1 of 64 bytes at 0x8000, 16 bytes of CnE data, a short info text.
TvdContent SampleContent(uint32_t fileVersion);
std::string WriteTvd(const std::string& path, const TvdContent& content);
std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
void FlipByte(const std::string& path, size_t offset);
void PatchWord(const std::string& path, size_t offset, uint32_t value);
// Recomputes the header CRC after a patch, so that only the patch is wrong.
void FixHeaderCrc(const std::string& path, size_t headerSize);
