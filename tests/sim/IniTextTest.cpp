#include "IniText.h"
#include "SimBus.h"

#include <gtest/gtest.h>

namespace {

TEST(IniTextTest, ParsesCaseInsensitivelyAndKeepsCommentsOnRewrite) {
    IniText doc = IniText::parse(
        "; bus of the test rig\n[Unit1]\n  Name = \"Desk\" \r\n"
        "junk line\n[unit1]\nPresent=1\n[Driver]\nVersion=2.13\n");
    EXPECT_EQ(doc.get("UNIT1", "name", ""), "Desk");
    EXPECT_EQ(doc.get("Unit1", "Present", ""), "1") << "a repeated section merges";
    EXPECT_FALSE(doc.get("Unit2", "Present"));
    doc.set("driver", "version", "2.9");
    doc.set("Unit3", "Present", "1");
    EXPECT_EQ(doc.serialize(),
              "; bus of the test rig\n[Unit1]\nName=\"Desk\"\njunk line\nPresent=1\n"
              "[Driver]\nVersion=2.9\n[Unit3]\nPresent=1\n");
    EXPECT_TRUE(doc.removeSection("UNIT3"));
    EXPECT_FALSE(doc.remove("Driver", "Missing"));
}

TEST(IniTextTest, NumbersInDecimalOrHex) {
    uint64_t value = 0;
    EXPECT_TRUE(SimBus::parseNumber("48000", value));
    EXPECT_EQ(value, 48000u);
    EXPECT_TRUE(SimBus::parseNumber("0x0013A20000100001", value));
    EXPECT_EQ(value, 0x0013A20000100001u);
    EXPECT_FALSE(SimBus::parseNumber("", value));
    EXPECT_FALSE(SimBus::parseNumber("0x", value));
    EXPECT_FALSE(SimBus::parseNumber("-1", value));
    EXPECT_FALSE(SimBus::parseNumber("12ab", value));
}

}  // namespace
