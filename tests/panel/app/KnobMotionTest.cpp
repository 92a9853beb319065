// The knob-motion preference in the registry: its default, the two texts the
// menu stores, and the texts that leave the knobs as they were built.
#include "KnobMotion.h"
#include "RegistryValue.h"
#include "ScopedEnv.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

class KnobMotionTest : public ::testing::Test {
protected:
    // The value exactly as the registry holds it: its type and bytes.
    bool storedRaw(DWORD& type, std::vector<BYTE>& data) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brantel", 0, KEY_READ, &key) != 0)
            return false;
        DWORD size = 64;
        data.assign(size, 0);
        LONG status = RegQueryValueExA(key, "Lumora", nullptr, &type, data.data(), &size);
        RegCloseKey(key);
        data.resize(size);
        return status == ERROR_SUCCESS;
    }
    void storeRaw(DWORD type, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Brantel", 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "Lumora", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       DWORD(bytes.size()));
        RegCloseKey(key);
    }

    TempDir dir_;
    ScopedEnv config_{"XDG_CONFIG_HOME", dir_.path()};
};

TEST_F(KnobMotionTest, NothingStoredReadsCircularAndWritesNothing) {
    EXPECT_EQ(KnobMotion::readStored(), "Circular");
    EXPECT_EQ(KnobMotion::decode(KnobMotion::readStored()), true);
    DWORD type = 0;
    std::vector<BYTE> data;
    EXPECT_FALSE(storedRaw(type, data)) << "reading creates neither key nor value";
}

TEST_F(KnobMotionTest, AChoiceIsStoredAsTextWithItsZeroAndReadBack) {
    ASSERT_TRUE(KnobMotion::store(false));
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(storedRaw(type, data));
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(data, (std::vector<BYTE>{'L', 'i', 'n', 'e', 'a', 'r', 0}));
    EXPECT_EQ(KnobMotion::readStored(), "Linear");
    EXPECT_EQ(KnobMotion::decode(KnobMotion::readStored()), false);

    ASSERT_TRUE(KnobMotion::store(true));
    ASSERT_TRUE(storedRaw(type, data));
    EXPECT_EQ(data, (std::vector<BYTE>{'C', 'i', 'r', 'c', 'u', 'l', 'a', 'r', 0}));
    EXPECT_EQ(KnobMotion::readStored(), "Circular");

    juce::File registry = juce::File(dir_.path()).getChildFile("lumora/registry.ini");
    EXPECT_TRUE(registry.loadFileAsString().contains("[HKEY_CURRENT_USER\\Software\\Brantel]"))
        << "kept where the next start of the panel reads it";
}

TEST_F(KnobMotionTest, OnlyTheTwoExactTextsChooseAMotion) {
    EXPECT_EQ(KnobMotion::decode("Circular"), true);
    EXPECT_EQ(KnobMotion::decode("Linear"), false);
    EXPECT_EQ(KnobMotion::decode("linear"), std::nullopt);
    EXPECT_EQ(KnobMotion::decode("CIRCULAR"), std::nullopt);
    EXPECT_EQ(KnobMotion::decode(""), std::nullopt);
    EXPECT_EQ(KnobMotion::chosen(3), true);
    EXPECT_EQ(KnobMotion::chosen(4), false);
    EXPECT_EQ(KnobMotion::chosen(0), std::nullopt) << "menu dismissed";

    storeRaw(REG_SZ, std::string("linear\0", 7));
    EXPECT_EQ(KnobMotion::readStored(), "linear");
    EXPECT_EQ(KnobMotion::decode(KnobMotion::readStored()), std::nullopt);
    storeRaw(REG_SZ, "Linear");
    EXPECT_EQ(KnobMotion::readStored(), "Linear") << "a value written without its zero";
    storeRaw(REG_DWORD, std::string("\1\0\0\0", 4));
    EXPECT_EQ(KnobMotion::readStored(), "Circular") << "not a string";
    storeRaw(REG_SZ, "");
    EXPECT_EQ(KnobMotion::readStored(), "Circular") << "no bytes at all";
}

}  // namespace
