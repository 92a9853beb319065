#include "SkinImage.h"

namespace SkinImage {

namespace {

// The decoders want at least a signature's worth of bytes.
bool usable(const void* data, int size) {
    return data != nullptr && size >= 5;
}

}  // namespace

juce::Image cached(const void* data, int size) {
    if (!usable(data, size))
        return {};
    return juce::ImageCache::getFromMemory(data, size);
}

juce::Image decoded(const void* data, int size) {
    if (!usable(data, size))
        return {};
    return juce::ImageFileFormat::loadFrom(data, size_t(size));
}

}  // namespace SkinImage
