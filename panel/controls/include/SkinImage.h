#pragma once
#include <juce_graphics/juce_graphics.h>

// The two ways a look obtains a compiled-in skin image, and how it draws one.
// Looks keep and measure the image at the panel's size; where the screen scales
// the panel up, drawing puts the image's twice-as-large rendering in its place.
namespace SkinImage {

// Shared through the image cache, keyed by the array: every user of the same
// array holds the same decoded image, which goes when its last user releases it.
juce::Image cached(const void* data, int size);
// Decoded for the caller alone; an invalid image for a missing or short array.
juce::Image decoded(const void* data, int size);

// Draws `image` placed by `transform` (from its pixels to g's coordinates).
void draw(juce::Graphics& g, const juce::Image& image, const juce::AffineTransform& transform);
// `image` as a brush placed by `transform`.
juce::FillType brush(const juce::Graphics& g, const juce::Image& image,
                     const juce::AffineTransform& transform);
// Whether the twice-as-large renderings are drawn at all (by default they are):
// the gallery turns them off to show the panel-size artwork magnified.
void setLargeArtworkDrawn(bool drawn);

}  // namespace SkinImage
