#pragma once
// Firmware image files for the tests: made with the builder, then damaged
// on purpose byte by byte.
#include "TvdBuilder.h"

#include <cstdint>
#include <string>
#include <vector>

// Image 1 of 64 bytes at 0x8000, 16 bytes of CnE data, a short info text.
TvdContent SampleContent(uint32_t fileVersion);
std::string WriteTvd(const std::string& path, const TvdContent& content);
std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
void FlipByte(const std::string& path, size_t offset);
void PatchWord(const std::string& path, size_t offset, uint32_t value);
// Recomputes the header CRC after a patch, so that only the patch is wrong.
void FixHeaderCrc(const std::string& path, size_t headerSize);
