#include "IniText.h"

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

TEST(IniTextTest, ControlCharactersAreFoundAnywhere) {
    EXPECT_FALSE(IniText::hasControlCharacter("Desk 1 \"quoted\" ~"));
    EXPECT_TRUE(IniText::hasControlCharacter("a\n[U]"));
    EXPECT_TRUE(IniText::hasControlCharacter(std::string("a\0b", 3)));
    EXPECT_TRUE(IniText::hasControlCharacter("tab\there"));
    EXPECT_TRUE(IniText::hasControlCharacter("del\x7F"));
    EXPECT_FALSE(IniText::hasControlCharacter("\xB4 high bytes pass"));
}

}  // namespace
