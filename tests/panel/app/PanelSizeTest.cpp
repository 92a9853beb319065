// The panel's size: the --scale values it takes, the menu items that choose it, the
// registry value "Lumora Size" that remembers it, and the desktop's scale beneath it.
#include "DesktopScale.h"
#include "PanelSize.h"
#include "RegistryValue.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "WindowMemory.h"

#include <gtest/gtest.h>

namespace {

TEST(PanelSize, ScaleValuesAndMenuItems) {
    EXPECT_EQ(PanelSize::fromScale("1"), 100);
    EXPECT_EQ(PanelSize::fromScale("1.5"), 150);
    EXPECT_EQ(PanelSize::fromScale("2"), 200);
    EXPECT_EQ(PanelSize::fromScale("2.0"), 200);
    for (const char* wrong : {"", "3", "1.25", "0.5", "-1", "2x", "150", "1,5", "."})
        EXPECT_EQ(PanelSize::fromScale(wrong), std::nullopt) << wrong;

    EXPECT_EQ(PanelSize::chosen(40), 100);
    EXPECT_EQ(PanelSize::chosen(41), 150);
    EXPECT_EQ(PanelSize::chosen(42), 200);
    EXPECT_EQ(PanelSize::chosen(39), std::nullopt);
    EXPECT_EQ(PanelSize::chosen(43), std::nullopt);
    EXPECT_EQ(PanelSize::chosen(0), std::nullopt) << "a dismissed menu";
}

TEST(PanelSize, TheDesktopsScaleFromGdkScaleOrXftDpiBeyondWhatJuceApplies) {
    EXPECT_EQ(DesktopScale::fromSettings("", ""), 1.0);
    EXPECT_EQ(DesktopScale::fromSettings("2", "96"), 2.0) << "GDK_SCALE comes first";
    EXPECT_EQ(DesktopScale::fromSettings("", "192"), 2.0);
    EXPECT_EQ(DesktopScale::fromSettings("", "\t144\n"), 1.5);
    EXPECT_EQ(DesktopScale::fromSettings("0", "120"), 1.25);
    EXPECT_EQ(DesktopScale::fromSettings("two", ""), 1.0);
    EXPECT_EQ(DesktopScale::fromSettings("1.5", "72"), 1.0) << "GDK_SCALE is whole; no shrinking";

    EXPECT_EQ(PanelSize::beyondJuce(2.0, 1.0), 2.0);
    EXPECT_EQ(PanelSize::beyondJuce(2.0, 2.0), 1.0) << "JUCE scales the screen already";
    EXPECT_EQ(PanelSize::beyondJuce(1.0, 2.0), 1.0);
    EXPECT_EQ(PanelSize::beyondJuce(1.5, 0.0), 1.0);
}

TEST(PanelSize, TheSizeIsRememberedInPercent) {
    TempDir dir;
    const ScopedEnv config("XDG_CONFIG_HOME", dir.file("config"));
    const RegistryValue stored("HKEY_CURRENT_USER\\Software\\Brantel\\Lumora Size");
    EXPECT_EQ(PanelSize::readStored(), 100) << "nothing stored";
    WindowMemory::storeSize(150);
    EXPECT_EQ(stored.read({}), "150");
    EXPECT_EQ(PanelSize::readStored(), 150);
    for (const char* wrong : {"175", "2", "abc", "", "-200", "200 %"}) {
        ASSERT_TRUE(stored.write(wrong));
        EXPECT_EQ(PanelSize::readStored(), 100) << wrong;
    }
    ASSERT_TRUE(stored.write("200"));
    EXPECT_EQ(PanelSize::readStored(), 200);
}

}  // namespace
