#pragma once
#include <juce_graphics/juce_graphics.h>

// The two ways a look obtains a compiled-in skin image.
namespace SkinImage {

// Shared through the image cache, keyed by the array: every user of the same
// array holds the same decoded image, which goes when its last user releases it.
juce::Image cached(const void* data, int size);
// Decoded for the caller alone; an invalid image for a missing or short array.
juce::Image decoded(const void* data, int size);

}  // namespace SkinImage
