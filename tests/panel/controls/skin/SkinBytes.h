// Reading the compiled-in skin images as bytes: lookup by file name, PNG chunks, JPEG frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace skintest {

struct Bytes {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// The compiled-in bytes of the image whose source file is `file` ("mute-on.png"); empty if none.
Bytes resource(const std::string& file);
// The same for its rendering at twice the size.
Bytes resource2x(const std::string& file);

struct PngChunk {
    std::string type;
    std::vector<unsigned char> data;
    bool crcOk = false;
};

// The chunks after the PNG signature, in file order; empty if the signature is wrong. A chunk
// that runs past the end stops the list.
std::vector<PngChunk> pngChunks(Bytes bytes);

std::uint32_t bigEndian32(const unsigned char* p);

struct JpegFrame {
    int marker = 0;  // 0xC0 for a baseline frame
    int precision = 0;
    int width = 0;
    int height = 0;
    int components = 0;
};

// The first start-of-frame segment of a JPEG file; marker 0 if there is none.
JpegFrame jpegFrame(Bytes bytes);

}  // namespace skintest
