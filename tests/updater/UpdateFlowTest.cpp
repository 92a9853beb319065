// Updates through the window, as a person does them: good files to a
// protocol-3 and a protocol-2 unit, refused files, a unit unplugged in the
// middle, a second updater on the same unit, a restart when asked for.
#include "LogCapture.h"
#include "TvdTestFiles.h"
#include "UpdaterWindowTest.h"

namespace {

class UpdateFlowTest : public UpdaterWindowTest {
protected:
    juce::String phase() { return content().getProgressPanel().getPhase().getText(); }
    juce::String detail() { return content().getProgressPanel().getDetail().getText(); }
    juce::String next() { return content().getProgressPanel().getNext().getText(); }
    juce::String verdict() { return content().getFirmwarePanel().getVerdict().getText(); }
    size_t unitsListed() { return content().getUnitTable().getUnits().size(); }
};

TEST_F(UpdateFlowTest, GoodFilesUpdateAProtocol3AndAProtocol2Unit) {
    if (!haveDisplay())
        GTEST_SKIP() << "the question needs an X server";
    setUnitKey(2, "Present", "1");
    setUnitKey(2, "ProtocolVersion", "2");
    open();
    ASSERT_TRUE(pumpUntil([&] { return unitsListed() == 2; }));
    UnitTable& units = content().getUnitTable();
    EXPECT_EQ(units.getNameForRow(0),
              "Unit 1, firmware 0x00010000 build 1, model 0x00010001, "
              "protocol 3, GUID 0x0013A20000100001");
    EXPECT_EQ(units.chosen()->index, 0u) << "the first unit is chosen";
    EXPECT_FALSE(content().getProgressPanel().getUpdateButton().isEnabled()) << "no file yet";

    ASSERT_TRUE(chooseFile(File(Content(1), "v1.tvd")));
    FirmwarePanel& file = content().getFirmwarePanel();
    EXPECT_EQ(file.getFirmware().getText(), "0x00020000 build 5");
    EXPECT_EQ(file.getNotes().getText(), "test firmware\n");
    EXPECT_EQ(verdict(), "The library accepts this file for Unit 1 (GUID 0x0013A20000100001).");
    clickUpdateAndConfirm();
    EXPECT_EQ(waitForEnd(), 0u);
    EXPECT_EQ(phase(), "Update finished");
    EXPECT_EQ(detail(), "TVCFWDL_STATUS_SUCCESS (0): success");
    EXPECT_TRUE(
        next().startsWith("The unit now reports firmware 0x00020000 build 5 (was "
                          "0x00010000 build 1).\n"))
        << next();
    EXPECT_EQ(unitKey(1, "FirmwareVersion"), "0x00020000");
    EXPECT_EQ(units.getUnits()[0].FirmwareText(), "0x00020000 build 5");
    EXPECT_FALSE(content().getProgressPanel().getRestartButton().isVisible());

    units.getList().selectRow(1);
    ASSERT_TRUE(chooseFile(File(Content(0), "v0.tvd")));
    EXPECT_TRUE(content().isFileAccepted()) << verdict();
    clickUpdateAndConfirm();
    EXPECT_EQ(waitForEnd(), 0u);
    EXPECT_TRUE(next().startsWith("The unit now reports firmware 0x00020000 build 5")) << next();
    EXPECT_EQ(unitKey(2, "FirmwareVersion"), "0x00020000");
    EXPECT_EQ(unitKey(2, "FirmwareBuild"), "5");
}

TEST_F(UpdateFlowTest, RefusedFilesKeepUpdateDisabledAndSendNothing) {
    open();
    ASSERT_TRUE(pumpUntil([&] { return unitsListed() == 1; }));
    const std::string header = File(Content(1), "header.tvd");
    FlipByte(header, 30);
    ASSERT_TRUE(chooseFile(header));
    EXPECT_FALSE(content().isFileAccepted());
    EXPECT_EQ(verdict(),
              "The library refuses this file for Unit 1:\n"
              "TVCFWDL_STATUS_HEADER_CRC (6): the header CRC of the file does not match");
    EXPECT_EQ(content().getFirmwarePanel().getFirmware().getText(), "");
    juce::TextButton& update = content().getProgressPanel().getUpdateButton();
    EXPECT_FALSE(update.isEnabled());
    update.triggerClick();
    content().askToUpdate();
    pump(200);
    EXPECT_EQ(question(), nullptr);
    EXPECT_FALSE(content().isUpdating());

    // 112 bytes of header and 14 of text: byte 300 lies in the image.
    const std::string image = File(Content(1), "image.tvd");
    FlipByte(image, 300);
    ASSERT_TRUE(chooseFile(image));
    EXPECT_TRUE(
        verdict().endsWith("TVCFWDL_STATUS_IMAGE_CRC (7): the CRC of the image does not "
                           "match"))
        << verdict();
    ASSERT_TRUE(chooseFile(File(Content(0), "v0.tvd")));
    EXPECT_TRUE(verdict().endsWith(":\nthe file version does not belong to the unit's protocol"))
        << verdict();
    EXPECT_FALSE(update.isEnabled());

    EXPECT_EQ(driverKey("Stopped"), "0");
    EXPECT_EQ(unitKey(1, "FirmwareVersion"), "0x00010000");
    EXPECT_EQ(LogText().find("StartDownload"), std::string::npos);
}

TEST_F(UpdateFlowTest, AUnitUnpluggedInTheMiddleIsAClearFailure) {
    if (!haveDisplay())
        GTEST_SKIP() << "the question needs an X server";
    ScopedEnv slow("TVC_SIM_TIME_SCALE", "10");
    setUnitKey(1, "BlockSize", "256");
    setUnitKey(1, "ResponseDelayMs", "200");
    open();
    ASSERT_TRUE(pumpUntil([&] { return unitsListed() == 1; }));
    ASSERT_TRUE(chooseFile(LongFile(20000)));
    clickUpdateAndConfirm();
    ASSERT_TRUE(pumpUntil([&] { return content().getProgressPanel().getProgress() > 0.1; }));
    EXPECT_TRUE(phase().startsWith("Transferring the firmware: ")) << phase();
    EXPECT_TRUE(detail().contains(" kB/s, about ")) << detail();
    setUnitKey(1, "Present", "0");
    const uint32_t status = waitForEnd(60000);
    EXPECT_NE(status, 0u);
    EXPECT_NE(status, 40u);
    EXPECT_EQ(phase(), "Update failed");
    EXPECT_TRUE(detail().startsWith("TVCFWDL_STATUS_")) << detail();
    EXPECT_TRUE(next().startsWith("The unit is not listed now.\nLeave the unit connected"))
        << next();
    EXPECT_EQ(unitKey(1, "FirmwareVersion"), "0x00010000");
}

TEST_F(UpdateFlowTest, ASecondUpdaterOnTheSameUnitIsRefused) {
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    ScopedEnv slow("TVC_SIM_TIME_SCALE", "10");
    setUnitKey(1, "BlockSize", "256");
    setUnitKey(1, "ResponseDelayMs", "200");
    const std::string file = LongFile(20000);
    open();
    ASSERT_TRUE(pumpUntil([&] { return unitsListed() == 1; }));
    ASSERT_TRUE(chooseFile(file));
    const std::string first = dir_.file("first.out");
    ASSERT_EQ(run("('" LUMORA_UPDATE "' --screenshots '" + dir_.file("first") + "' '" + file +
                  "' > '" + first + "' 2>&1; echo exit $? >> '" + first + "') > /dev/null 2>&1 &"),
              0);
    ASSERT_TRUE(pumpUntil([&] { return driverKey("Stopped") == "1"; }, 20000));
    ASSERT_TRUE(pumpUntil([&] { return content().isFileAccepted(); }, 10000));
    clickUpdateAndConfirm();
    EXPECT_EQ(waitForEnd(), 35u);
    EXPECT_EQ(phase(), "Update refused");
    EXPECT_EQ(detail(),
              "TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS (35): a download to this unit is running");
    EXPECT_TRUE(next().contains("Another updater is updating this unit.")) << next();
    ASSERT_TRUE(
        pumpUntil([&] { return ReadWholeFile(first).find("exit ") != std::string::npos; }, 60000));
    EXPECT_NE(ReadWholeFile(first).find("exit 0"), std::string::npos) << ReadWholeFile(first);
    EXPECT_EQ(unitKey(1, "FirmwareVersion"), "0x00020000");
}

TEST_F(UpdateFlowTest, TheWindowOffersTheRestartTheLibraryAsksFor) {
    if (!haveDisplay())
        GTEST_SKIP() << "the question needs an X server";
    setUnitKey(1, "RebootRequired", "1");
    open();
    ASSERT_TRUE(pumpUntil([&] { return unitsListed() == 1; }));
    ASSERT_TRUE(chooseFile(File(Content(1))));
    clickUpdateAndConfirm();
    EXPECT_EQ(waitForEnd(), 40u);
    EXPECT_EQ(phase(), "Update finished: restart the computer");
    juce::TextButton& restart = content().getProgressPanel().getRestartButton();
    ASSERT_TRUE(restart.isVisible());
    EXPECT_EQ(driverKey("RestartRequested"), "0");
    restart.triggerClick();
    ASSERT_TRUE(pumpUntil([] { return question() != nullptr; }));
    EXPECT_EQ(question()->getTitle(), "Restart the computer?");
    pressKey(juce::KeyPress::escapeKey);
    ASSERT_TRUE(pumpUntil([] { return question() == nullptr; }));
    pump(200);
    EXPECT_EQ(driverKey("RestartRequested"), "0") << "Escape keeps the computer running";
    restart.triggerClick();
    ASSERT_TRUE(pumpUntil([] { return question() != nullptr; }));
    pressKey(juce::KeyPress::returnKey);
    EXPECT_TRUE(pumpUntil([&] { return driverKey("RestartRequested") == "1"; }));
}

}  // namespace
