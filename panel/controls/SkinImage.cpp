#include "SkinImage.h"

#include "SkinData.h"
#include "SkinData2x.h"

namespace SkinImage {

namespace {

// Kept in the properties of a decoded image that has a larger rendering: its
// resource name, and once drawn the decoded rendering itself.
const char kLargeName[] = "skinLargeName";
const char kLarge[] = "skinLarge";

bool largeDrawn = true;

// The decoders want at least a signature's worth of bytes.
bool usable(const void* data, int size) {
    return data != nullptr && size >= 5;
}

// Names the compiled-in array at `data`, so that drawing can find its larger rendering.
juce::Image tagged(juce::Image image, const void* data) {
    for (int i = 0; i < SkinData::namedResourceListSize && image.isValid(); ++i) {
        int size = 0;
        if (SkinData::getNamedResource(SkinData::namedResourceList[i], size) == data)
            image.getProperties()->set(kLargeName, SkinData::namedResourceList[i]);
    }
    return image;
}

// Whether g puts a logical pixel onto more than one device pixel (a transform, the
// desktop's scale or the panel's size).
bool scaledUp(const juce::Graphics& g) {
    return largeDrawn && g.getInternalContext().getPhysicalPixelScaleFactor() > 1.01f;
}

// The twice-as-large rendering of `image`, decoded on first use and then kept
// with it; invalid when it has none.
juce::Image large(const juce::Image& image) {
    juce::NamedValueSet* properties = image.getProperties();
    if (properties == nullptr || !properties->contains(kLargeName))
        return {};
    if (auto* kept = dynamic_cast<juce::ImagePixelData*>((*properties)[kLarge].getObject()))
        return juce::Image(juce::ImagePixelData::Ptr(kept));
    int size = 0;
    const char* data =
        SkinData2x::getNamedResource((*properties)[kLargeName].toString().toRawUTF8(), size);
    juce::Image twin =
        usable(data, size) ? juce::ImageCache::getFromMemory(data, size) : juce::Image();
    if (twin.getWidth() != 2 * image.getWidth() || twin.getHeight() != 2 * image.getHeight())
        twin = {};
    properties->set(kLarge, twin.getPixelData());
    return twin;
}

}  // namespace

juce::Image cached(const void* data, int size) {
    if (!usable(data, size))
        return {};
    return tagged(juce::ImageCache::getFromMemory(data, size), data);
}

juce::Image decoded(const void* data, int size) {
    if (!usable(data, size))
        return {};
    return tagged(juce::ImageFileFormat::loadFrom(data, size_t(size)), data);
}

void draw(juce::Graphics& g, const juce::Image& image, const juce::AffineTransform& transform) {
    const juce::Image twin = scaledUp(g) ? large(image) : juce::Image();
    if (twin.isValid())
        g.drawImageTransformed(twin, juce::AffineTransform::scale(0.5f).followedBy(transform));
    else
        g.drawImageTransformed(image, transform);
}

juce::FillType brush(const juce::Graphics& g, const juce::Image& image,
                     const juce::AffineTransform& transform) {
    const juce::Image twin = scaledUp(g) ? large(image) : juce::Image();
    if (twin.isValid())
        return juce::FillType(twin, juce::AffineTransform::scale(0.5f).followedBy(transform));
    return juce::FillType(image, transform);
}

void setLargeArtworkDrawn(bool drawn) {
    largeDrawn = drawn;
}

}  // namespace SkinImage
