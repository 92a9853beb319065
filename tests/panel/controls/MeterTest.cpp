#include "ControlsTest.h"
#include "PanelState.h"
#include "SkinBackdrop.h"
#include "SkinData.h"
#include "SkinImage.h"
#include "myMeters.h"

namespace {

double levelFor(double display) {
    return 256.0 * (display / 255.0) * (display / 255.0);
}

class MeterTest : public ::testing::Test {
protected:
    MeterTest() { meter_.setSize(14, 127); }

    // Whether a row of the meter shows the fill image.
    bool lit(const juce::Image& shown, int y) {
        return shown.getPixelAt(7, y) == fill_.getPixelAt(7, y) &&
               shown.getPixelAt(7, y).getAlpha() > 0;
    }

    PanelState state_;
    myMeters meter_{state_};
    const juce::Image fill_ =
        SkinImage::decoded(SkinData::meterfill_png, SkinData::meterfill_pngSize);
};

// Updates of silence 25 ms apart for the given time, as the mixer's poll feeds a meter.
void feedSilence(myMeters& meter, int milliseconds) {
    for (int elapsed = 0; elapsed < milliseconds; elapsed += 25) {
        meter.setLevel(levelFor(255.0), 0.0);
        juce::Thread::sleep(25);
    }
}

TEST_F(MeterTest, ShowsTheFillBelowTheLevelAndAPeakMarkerUntilHeldTimeOrClick) {
    ASSERT_TRUE(fill_.isValid());
    juce::Image shown = render(meter_);
    for (int y = 0; y < 127; ++y)
        ASSERT_FALSE(lit(shown, y)) << "an unfed meter shows nothing at " << y;

    meter_.setLevel(levelFor(40.0), 0.0);
    meter_.setLevel(levelFor(90.0), 0.0);
    EXPECT_NEAR(meter_.getBallistics().getDisplay(), 44.5, 1e-9);
    EXPECT_NEAR(meter_.getBallistics().getPeak(), 40.0, 1e-9);
    shown = render(meter_);
    EXPECT_FALSE(lit(shown, 30));
    EXPECT_TRUE(lit(shown, 40)) << "the peak marker";
    EXPECT_TRUE(lit(shown, 41));
    EXPECT_FALSE(lit(shown, 42));
    EXPECT_FALSE(lit(shown, 43));
    EXPECT_TRUE(lit(shown, 46)) << "the bar below the display position";
    EXPECT_TRUE(lit(shown, 126));

    juce::Thread::sleep(1600);
    EXPECT_NEAR(meter_.getBallistics().getPeak(), 40.0, 1e-9) << "only an update ends the hold";
    meter_.setLevel(levelFor(255.0), 0.0);
    EXPECT_EQ(meter_.getBallistics().getPeak(), 255.0) << "the first update after it does";

    meter_.setLevel(levelFor(0.5), 0.0);
    shown = render(meter_);
    for (int y = 0; y < 10; ++y)
        EXPECT_TRUE(lit(shown, y)) << "a clip marker is 10 pixels tall, row " << y;
    feedSilence(meter_, 1700);
    EXPECT_NEAR(meter_.getBallistics().getPeak(), 0.5, 1e-9) << "the end of the hold leaves a clip";
    const juce::MouseEvent click(juce::Desktop::getInstance().getMainMouseSource(), {},
                                 juce::ModifierKeys(), 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &meter_,
                                 &meter_, juce::Time(), {}, juce::Time(), 1, false);
    meter_.mouseDown(click);
    EXPECT_EQ(meter_.getBallistics().getPeak(), 255.0) << "a click clears it";
}

// A skin of stripes, one shade a row, so a row left stale shows; the meter stands on it.
class StripedSkin : public juce::Component, public SkinBackdrop {
public:
    StripedSkin() : skin_(juce::Image::RGB, 30, 140, true) {
        for (int y = 0; y < skin_.getHeight(); ++y)
            for (int x = 0; x < skin_.getWidth(); ++x)
                skin_.setPixelAt(x, y, juce::Colour(juce::uint8(y * 7), juce::uint8(x * 5), 90));
        setSize(30, 140);
    }
    void drawBackdrop(juce::Graphics& g, const juce::Component& onto,
                      juce::Rectangle<int> area) const override {
        const juce::Point<int> origin = onto.getLocalPoint(this, juce::Point<int>());
        const juce::Graphics::ScopedSaveState saved(g);
        g.reduceClipRegion(area);
        g.drawImageAt(skin_, origin.x, origin.y);
    }

private:
    juce::Image skin_;
};

// Keeps the areas a component asks to have repainted.
class RepaintRecorder : public juce::CachedComponentImage {
public:
    explicit RepaintRecorder(juce::RectangleList<int>& areas) : areas_(areas) {}
    void paint(juce::Graphics&) override {}
    bool invalidateAll() override {
        areas_.add({0, 0, 1000, 1000});
        return true;
    }
    bool invalidate(const juce::Rectangle<int>& area) override {
        areas_.add(area);
        return true;
    }
    void releaseResources() override {}

private:
    juce::RectangleList<int>& areas_;
};

juce::Image paintMeter(myMeters& meter, juce::Image onto, const juce::RectangleList<int>* only) {
    juce::Graphics g(onto);
    if (only != nullptr)
        g.reduceClipRegion(*only);
    if (!g.isClipEmpty())
        meter.paint(g);
    return onto;
}

// The meter drawn plainly: the skin, then the bar as a rounded rectangle from
// the level down whose rows below the top edge are whole, then the peak marker.
juce::Image plainMeter(const myMeters& meter, const SkinBackdrop& skin, const juce::Image& fill) {
    const MeterBallistics& b = meter.getBallistics();
    const int w = meter.getWidth(), h = meter.getHeight();
    juce::Image image(juce::Image::ARGB, w, h, true);
    juce::Graphics g(image);
    skin.drawBackdrop(g, meter, meter.getLocalBounds());
    g.setFillType(juce::FillType(fill, {}));
    const int body = int(b.getDisplay()) + 2;
    {
        const juce::Graphics::ScopedSaveState saved(g);
        g.reduceClipRegion(0, 0, w, body);
        g.fillRoundedRectangle(0.0f, float(b.getDisplay()), float(w), float(h), 1.0f);
    }
    g.fillRect(0, body, w, h - body);
    g.fillRect(0, int(b.getPeak()), w, b.getPeakHeight());
    return image;
}

// The meter repaints only the rows that change: repainting just those over
// the previous picture must give the picture a full repaint gives, and that
// the picture of the meter drawn plainly.
TEST_F(MeterTest, AMeterOnASkinIsOpaqueAndItsRepaintedRowsCoverEveryChange) {
    StripedSkin skin;
    myMeters meter(state_);
    skin.addAndMakeVisible(meter);
    meter.setBounds(5, 8, 10, 125);
    EXPECT_TRUE(meter.isOpaque()) << "it draws the skin under itself";
    EXPECT_FALSE(meter_.isOpaque()) << "a meter on no skin leaves its background alone";
    juce::RectangleList<int> asked;
    meter.setCachedComponentImage(new RepaintRecorder(asked));

    const double displays[] = {60, 20,  20,  20, 20,  90, 124, 126, 130, 10,  10.7, 50,
                               50, 0.5, 200, 3,  3.3, 64, 2,   80,  1.0, 117, 121,  119};
    juce::Image shown = paintMeter(meter, juce::Image(juce::Image::ARGB, 10, 125, true), nullptr);
    for (double display : displays) {
        asked.clear();
        meter.setLevel(levelFor(display), 0.0);
        const juce::Image full =
            paintMeter(meter, juce::Image(juce::Image::ARGB, 10, 125, true), nullptr);
        shown = paintMeter(meter, shown.createCopy(), &asked);
        const juce::Image plain = plainMeter(meter, skin, fill_);
        for (int y = 0; y < 125; ++y)
            for (int x = 0; x < 10; ++x) {
                ASSERT_EQ(shown.getPixelAt(x, y).getARGB(), full.getPixelAt(x, y).getARGB())
                    << "pixel " << x << "," << y << " after display " << display;
                ASSERT_EQ(full.getPixelAt(x, y).getARGB(), plain.getPixelAt(x, y).getARGB())
                    << "pixel " << x << "," << y << " drawn plainly, display " << display;
            }
    }
    const juce::Image last =
        paintMeter(meter, juce::Image(juce::Image::ARGB, 10, 125, true), nullptr);
    int unpainted = 0;
    for (int y = 0; y < 125; ++y)
        for (int x = 0; x < 10; ++x)
            unpainted += last.getPixelAt(x, y).getAlpha() < 255 ? 1 : 0;
    EXPECT_EQ(unpainted, 0) << "an opaque meter paints every pixel it covers";
}

// The renderer does not narrow its clip to the meter: what the meter draws must
// stay inside it, the unfed marker at 225 and a bar edge on the last row too.
TEST_F(MeterTest, DrawsNothingOutsideItself) {
    StripedSkin skin;
    myMeters meter(state_);
    skin.addAndMakeVisible(meter);
    meter.setBounds(5, 8, 10, 125);
    EXPECT_TRUE(meter.isPaintingUnclipped());
    const double displays[] = {255.0, 124.2, 123.5, 0.5, 60.0};
    for (int step = 0; step <= 5; ++step) {
        if (step > 0)
            meter.setLevel(levelFor(displays[step - 1]), 0.0);
        juce::Image canvas(juce::Image::ARGB, 40, 300, true);
        {
            juce::Graphics g(canvas);
            g.setOrigin(15, 100);
            meter.paint(g);
        }
        for (int y = 0; y < canvas.getHeight(); ++y)
            for (int x = 0; x < canvas.getWidth(); ++x) {
                const bool inside = x >= 15 && x < 25 && y >= 100 && y < 225;
                if (!inside) {
                    ASSERT_EQ(canvas.getPixelAt(x, y).getAlpha(), 0)
                        << x << "," << y << " at step " << step;
                }
            }
    }
}

// A rise restarts the hold: the marker goes 1.5 s after the latest rise, not the first.
TEST_F(MeterTest, ThePeakIsHeldFromTheLatestRise) {
    meter_.setLevel(levelFor(60.0), 0.0);
    feedSilence(meter_, 1000);
    meter_.setLevel(levelFor(40.0), 0.0);
    feedSilence(meter_, 900);
    EXPECT_NEAR(meter_.getBallistics().getPeak(), 40.0, 1e-9) << "0.9 s after the second rise";
    juce::RectangleList<int> asked;
    meter_.setVisible(true);
    meter_.setCachedComponentImage(new RepaintRecorder(asked));
    feedSilence(meter_, 900);
    EXPECT_EQ(meter_.getBallistics().getPeak(), 255.0) << "1.8 s after it";
    EXPECT_TRUE(asked.containsRectangle({0, 40, 14, 2})) << "the marker's rows were repainted";
}

TEST_F(MeterTest, BypassedMixerMetersIgnoreTheFaderOffset) {
    state_.setMixBypass(true);
    meter_.setLevel(levelFor(50.0), 100.0);
    EXPECT_NEAR(meter_.getBallistics().getDisplay(), 50.0, 1e-9);
    myMeters main(state_);
    main.setAlwaysAddOffset(true);
    main.setLevel(levelFor(50.0), 100.0);
    EXPECT_GT(main.getBallistics().getDisplay(), 100.0);
}

}  // namespace
