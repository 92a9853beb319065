// The updater's logic without a window: the words of progress and of the
// end, the unit record, and the units and files as the library reports them.
#include "FirmwareCheck.h"
#include "JobQueue.h"
#include "LibraryRun.h"
#include "ProgressText.h"
#include "StatusAdvice.h"
#include "TvdTestFiles.h"
#include "UnitScan.h"
#include "UpdateRun.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>
#include <string>
#include <vector>

namespace {

TEST(ProgressTextTest, PhaseRateAndTimeLeftFollowTheBytes) {
    EXPECT_EQ(ProgressText::Phase(0, 3226),
              "Preparing the unit: stopping the units, starting the bootloader");
    EXPECT_EQ(ProgressText::Phase(1200, 3226), "Transferring the firmware: 1200 of 3226 bytes");
    EXPECT_EQ(ProgressText::Phase(3226, 3226),
              "Restarting the unit: starting the new firmware, reinstalling the device");

    TransferClock clock;
    clock.Note(0, 10.0);
    EXPECT_EQ(ProgressText::Rate(clock, 0, 6000), "") << "no rate before bytes move";
    EXPECT_LT(clock.SecondsLeft(6000), 0.0);
    clock.Note(0, 10.5);  // the last poll without bytes starts the transfer
    clock.Note(1000, 11.0);
    clock.Note(1000, 11.2);  // a poll that saw nothing new moves no time into the rate
    clock.Note(3000, 11.5);
    EXPECT_DOUBLE_EQ(clock.Rate(), 3000.0);
    EXPECT_DOUBLE_EQ(clock.SecondsLeft(6000), 1.0);
    EXPECT_EQ(ProgressText::Rate(clock, 3000, 6000), "3.0 kB/s, about 1 s left");
    clock.Note(6000, 12.5);
    EXPECT_EQ(ProgressText::Rate(clock, 6000, 6000), "") << "nothing left to send";
    EXPECT_DOUBLE_EQ(clock.SecondsLeft(6000), 0.0);

    EXPECT_EQ(ProgressText::Duration(0.2), "1 s");
    EXPECT_EQ(ProgressText::Duration(59.0), "59 s");
    EXPECT_EQ(ProgressText::Duration(125.2), "2 min 6 s");
}

TEST(StatusAdviceTest, OnlyTheLibrarysSuccessIsASuccess) {
    StatusAdvice done = StatusAdvice::For(0);
    EXPECT_TRUE(done.success);
    EXPECT_FALSE(done.offerRestart);
    EXPECT_EQ(done.headline, "Update finished");
    EXPECT_EQ(done.status, "TVCFWDL_STATUS_SUCCESS (0): success");

    StatusAdvice restart = StatusAdvice::For(40);
    EXPECT_TRUE(restart.success);
    EXPECT_TRUE(restart.offerRestart);
    EXPECT_EQ(restart.headline, "Update finished: restart the computer");

    StatusAdvice refused = StatusAdvice::For(35);
    EXPECT_FALSE(refused.success);
    EXPECT_EQ(refused.headline, "Update refused");
    EXPECT_EQ(refused.status,
              "TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS (35): a download to this unit is running");
    EXPECT_NE(refused.next.find("Another updater is updating this unit"), std::string::npos);

    for (uint32_t status : {1u, 18u, 19u, 24u, 26u, 29u, 30u, 32u, 34u, 36u, 99u}) {
        StatusAdvice failed = StatusAdvice::For(status);
        EXPECT_FALSE(failed.success) << status;
        EXPECT_FALSE(failed.offerRestart) << status;
        EXPECT_EQ(failed.headline, "Update failed") << status;
        EXPECT_NE(failed.next.find("run the update again"), std::string::npos) << status;
    }
    EXPECT_EQ(StatusAdvice::For(32).status,
              "TVCFWDL_STATUS_DEVICE_ERROR (32): the unit answered with an error");
    EXPECT_EQ(StatusAdvice::For(99).status, "unknown status (99)");
    EXPECT_EQ(StatusAdvice::For(6).next, "Choose a firmware file made for this unit.");
    EXPECT_EQ(StatusAdvice::For(39).headline, "Restart failed");
    EXPECT_EQ(StatusAdvice::For(39).next, "Restart the computer yourself.");
}

TVCFWDL_DEVICE_INFO Record(const char* description) {
    TVCFWDL_DEVICE_INFO info{};
    std::memcpy(info.Properties, description, std::strlen(description));
    info.GuidHi = 0x0013A200;
    info.GuidLo = 0x00100001;
    info.FirmwareVersion = 0x00020000;
    info.FirmwareBuild = 5;
    info.HardwareModelID = 0x00010001;
    info.ProtocolVersion = 3;
    return info;
}

TEST(UnitSummaryTest, NameAndNumbersFromTheDeviceRecord) {
    UnitSummary named = UnitSummary::From(
        0, Record("Lumora FireWire audio unit \"Studio\", GUID 0x0013A20000100001"));
    EXPECT_EQ(named.name, "Studio");
    EXPECT_EQ(named.FirmwareText(), "0x00020000 build 5");
    EXPECT_EQ(named.ModelText(), "0x00010001");
    EXPECT_EQ(named.GuidText(), "0x0013A20000100001");
    EXPECT_EQ(named.Title(), "Studio (GUID 0x0013A20000100001)");
    EXPECT_EQ(named.protocol, 3u);
    EXPECT_EQ(UnitSummary::From(2, Record("unit \"Unit #\"")).name, "Unit 3");
    EXPECT_EQ(UnitSummary::From(1, Record("")).name, "Unit 2");
    EXPECT_EQ(UnitSummary::From(0, Record("Audio unit without quotes")).name,
              "Audio unit without quotes");
    UnitSummary other = named;
    other.firmwareBuild = 6;
    EXPECT_NE(named, other);
}

TEST(JobQueueTest, RunsInOrderAndFinishesTheRunningJob) {
    std::vector<int> order;
    std::atomic<bool> started{false};
    std::atomic<bool> finished{false};
    {
        JobQueue jobs;
        for (int i = 0; i < 5; ++i)
            jobs.Post([&order, i] { order.push_back(i); });
        while (jobs.Pending() > 0)
            std::this_thread::yield();
        EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
        jobs.Post([&] {
            started = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            finished = true;
        });
        while (!started)
            std::this_thread::yield();
    }
    EXPECT_TRUE(finished) << "the destructor waits for the running job";
}

class UpdaterLibraryTest : public LibraryRun {};

TEST_F(UpdaterLibraryTest, UnitsAndFilesAsTheLibraryReportsThem) {
    setUnitKey(2, "Present", "1");
    setUnitKey(2, "ProtocolVersion", "2");
    setUnitKey(2, "Name", "Studio");
    std::vector<UnitSummary> units;
    ASSERT_EQ(UnitScan::Read(Api(), units), 0u);
    ASSERT_EQ(units.size(), 2u);
    EXPECT_EQ(units[0].name, "Unit 1");
    EXPECT_EQ(units[0].GuidText(), "0x0013A20000100001");
    EXPECT_EQ(units[0].FirmwareText(), "0x00010000 build 1");
    EXPECT_EQ(units[0].protocol, 3u);
    EXPECT_EQ(units[1].name, "Studio");
    EXPECT_EQ(units[1].protocol, 2u);

    const std::string v1 = File(Content(1), "v1.tvd");
    FirmwareFacts facts = FirmwareCheck::Describe(Api(), v1);
    EXPECT_EQ(facts.status, 0u);
    EXPECT_EQ(facts.FirmwareText(), "0x00020000 build 5");
    EXPECT_EQ(facts.HardwareText(), "model 0x00010001");
    EXPECT_EQ(facts.date, "2025-01-02 03:04:05");
    EXPECT_EQ(facts.notes, "test firmware\n");
    FirmwareVerdict fits = FirmwareCheck::Check(Api(), units[0], v1);
    EXPECT_TRUE(fits.accepted);
    EXPECT_TRUE(fits.reasons.empty());
    EXPECT_EQ(FirmwareCheck::Summary(fits, units[0]),
              "The library accepts this file for Unit 1 (GUID 0x0013A20000100001).");

    FirmwareVerdict wrongProtocol = FirmwareCheck::Check(Api(), units[1], v1);
    EXPECT_FALSE(wrongProtocol.accepted);
    EXPECT_EQ(wrongProtocol.conditions, 0x41u);
    EXPECT_EQ(wrongProtocol.reasons,
              std::vector<std::string>{"the file version does not belong to the unit's protocol"});
    EXPECT_EQ(FirmwareCheck::Summary(wrongProtocol, units[1]),
              "The library refuses this file for Studio:");

    TvdContent other = Content(1);
    other.hardwareVersion = 0x00020002;
    other.vendorId = 0x00A0DE;
    FirmwareVerdict foreign = FirmwareCheck::Check(Api(), units[0], File(other, "other.tvd"));
    EXPECT_FALSE(foreign.accepted);
    EXPECT_EQ(foreign.reasons,
              (std::vector<std::string>{"the file is made for another hardware model",
                                        "the file is made for another vendor"}));

    TvdContent older = Content(1);
    older.firmwareVersion = 0x00000100;
    FirmwareVerdict downgrade = FirmwareCheck::Check(Api(), units[0], File(older, "older.tvd"));
    EXPECT_TRUE(downgrade.accepted);
    EXPECT_EQ(downgrade.reasons,
              std::vector<std::string>{"the file's firmware is older than the unit's"});

    EXPECT_EQ(FirmwareCheck::Describe(Api(), dir_.file("missing.tvd")).status, 3u);
    EXPECT_EQ(FirmwareCheck::Refusal(3).reasons,
              std::vector<std::string>{"TVCFWDL_STATUS_FILE_OPEN_FAILED (3): the firmware file "
                                       "does not exist or cannot be opened"});
}

TEST_F(UpdaterLibraryTest, ARunStartsOnlyOnTheUnitThatWasChosen) {
    std::vector<UnitSummary> units;
    ASSERT_EQ(UnitScan::Read(Api(), units), 0u);
    ASSERT_EQ(units.size(), 1u);
    const std::string file = File(Content(1));
    // Unit 1 goes, unit 2 comes: index 0 is another unit now.
    setUnitKey(1, "Present", "0");
    setUnitKey(2, "Present", "1");
    // The library's simulated bus looks at the file at most once a millisecond.
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    UpdateRun run(Api());
    EXPECT_EQ(run.Start(units[0], file), TVCFWDL_STATUS_DEVICE_NOT_FOUND);
    EXPECT_EQ(driverKey("Stopped"), "0") << "nothing was sent";
    EXPECT_EQ(unitKey(2, "FirmwareVersion"), "0x00010000");
    EXPECT_EQ(FirmwareCheck::Check(Api(), units[0], file).status, TVCFWDL_STATUS_DEVICE_NOT_FOUND);

    ASSERT_EQ(UnitScan::Read(Api(), units), 0u);
    ASSERT_EQ(run.Start(units[0], file), 0u);
    UpdateRun::Progress progress;
    while ((progress = run.Read()).Running())
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_EQ(progress.status, 0u);
    EXPECT_EQ(progress.done, progress.total);
    EXPECT_EQ(unitKey(2, "FirmwareVersion"), "0x00020000");
    EXPECT_EQ(Api().OpenDevice(0), 0u) << "the run closed the unit";
}

}  // namespace
