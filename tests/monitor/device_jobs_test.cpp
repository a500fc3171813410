// Device jobs as the device worker runs them: dropped while not connected, the busy
// flag, profile selection, macro requests and the colour database upload.
#include "monitor/monitor_names.h"
#include "tests/monitor/monitor_fixture.h"

namespace tesh::monitor::test {
namespace {

using DeviceJobs = MonitorTest;

std::vector<std::string> SetsOf(const std::vector<Transfer>& transfers, std::size_t count) {
    std::vector<std::string> out;
    for (const Transfer& t : transfers) {
        if (t.set) out.push_back(t.Brief(count));
    }
    return out;
}

TEST_F(DeviceJobs, DroppedUnlessConnected) {
    for (int state : {kNotFound, kRemoved}) {
        flags().connection = state;
        for (int job : {kJobReadAll, kJobSelectProfile, kJobColourDatabase, kJobMacroRequest}) {
            core().RunJob(job, 17);
        }
    }
    EXPECT_TRUE(transfers().empty());
    EXPECT_TRUE(host_.calls.empty());
}

TEST_F(DeviceJobs, BusyWhileRunningAndCancelClearedAtTheStart) {
    flags().cancel = 1;  // left from an earlier unplug
    int busyDuringJob = -1;
    clock_.At(50, [&] { busyDuringJob = flags().busy; });
    core().RunJob(kJobSelectProfile, 0);
    EXPECT_EQ(busyDuringJob, 1);
    EXPECT_EQ(flags().busy, 0);
    EXPECT_EQ(flags().cancel, 0);
    EXPECT_EQ(transfers().size(), 2u) << "the job was not cancelled";
}

TEST_F(DeviceJobs, UnknownJobsDoNothing) {
    for (int job : {0, 1, 4, 9, 1649}) core().RunJob(job, 1);
    EXPECT_TRUE(transfers().empty());
}

// The peers' light commands wait for the device worker; the ambient record is the one
// last handed over when the job runs.
TEST_F(DeviceJobs, QuibLightsGoToTheMouseAsJobs) {
    core().SendQuibLight(0xFF, 1, 3);
    AmbientRecord first{}, second{};
    first[4] = 0x11;
    second[4] = 0x22;
    core().SendAmbientLight(first);
    core().SendAmbientLight(second);
    ASSERT_EQ(host_.calls, (std::vector<std::string>{"PostDeviceJob 7 16711939",
                                                     "PostDeviceJob 8 0", "PostDeviceJob 8 0"}));
    EXPECT_TRUE(transfers().empty()) << "nothing is sent on the calling thread";
    core().RunJob(kJobQuibLight, 0xFF0103);
    core().RunJob(kJobAmbientLight, 0);
    std::vector<Transfer> sent;
    for (const Transfer& t : transfers()) {
        if (t.set) sent.push_back(t);
    }
    ASSERT_EQ(sent.size(), 2u);
    const LightControlBytes light = BuildQuibLightReport(0xFF, 1, 3);
    const LightControlBytes ambient = BuildAmbientLightReport(second);
    EXPECT_EQ(sent[0].bytes, std::vector<uint8_t>(light.begin(), light.end()));
    EXPECT_EQ(sent[1].bytes, std::vector<uint8_t>(ambient.begin(), ambient.end()));
}

TEST_F(DeviceJobs, SelectProfileSendsCurrentProfile) {
    image().CurrentProfile = 4;
    core().RunJob(kJobSelectProfile, 0);
    EXPECT_EQ(SetsOf(transfers(), 3), std::vector<std::string>{"SET 05 03 04"});
    EXPECT_EQ(mouse().flash.activeProfile, 4);
}

TEST_F(DeviceJobs, MacroRequestNumbersMapToProfileAndButton) {
    for (int p = 0; p < kProfileCount; ++p) {
        for (int slot = 0; slot < kButtonSlots; ++slot) {
            FillMacro(image().Profiles[p].Buttons[slot], 2, static_cast<uint8_t>(slot));
        }
    }
    for (int request : {17, 1, 16, 80}) core().RunJob(kJobMacroRequest, request);
    // Request 17: profile 1, device button 2; 1: profile 0, button 2; 16: profile 0,
    // button 17; 80: profile 4, button 17.
    EXPECT_EQ(SetsOf(transfers(), 5),
              (std::vector<std::string>{"SET 08 22 08 01 02", "SET 08 22 08 00 02",
                                        "SET 08 22 08 00 11", "SET 08 22 08 04 11"}));
    EXPECT_EQ(mouse().flash.macros[1][2].repeatCount, 2) << "slot 2's macro";
    EXPECT_EQ(mouse().flash.macros[0][17].repeatCount, 22) << "slot 22's macro";
}

TEST_F(DeviceJobs, MacroRequestsBeyondTheFifthProfileAreIgnored) {
    for (int request : {81, 96, 110, 0, -5}) core().RunJob(kJobMacroRequest, request);
    EXPECT_TRUE(transfers().empty());
}

TEST_F(DeviceJobs, ColourDatabaseOf1025BytesGoesAsTwoChunks) {
    std::string database(1025, '\0');
    for (std::size_t i = 0; i < database.size(); ++i) database[i] = static_cast<char>(i * 3);
    dir_.Write(kColourDatabaseFile, database);
    core().RunJob(kJobColourDatabase, 0);
    const auto all = transfers();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].Brief(4), "SET 1a 00 00 00");
    EXPECT_EQ(all[2].Brief(4), "SET 1a 01 00 00");
    EXPECT_EQ(all[2].length, 1029u);
    EXPECT_EQ(Gaps(), (std::vector<uint64_t>{0, 300, 0, 300}));
    EXPECT_EQ(mouse().peripherals.colourChunks, 2u);
    EXPECT_EQ(mouse().peripherals.colourLastChunk, 1u);
    // The mouse hashes the data of the chunks: 1025 bytes and 1023 zeros.
    uint32_t hash = 2166136261u;
    std::string padded = database + std::string(1023, '\0');
    for (char c : padded) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    EXPECT_EQ(mouse().peripherals.colourHash, hash);
}

TEST_F(DeviceJobs, ColourDatabaseGoesOnAfterAFailedChunk) {
    dir_.Write(kColourDatabaseFile, std::string(3000, 'x'));
    faults().failSets = 1;
    EXPECT_TRUE(sequences().UploadColourDatabase()) << "the result is the last chunk's";
    EXPECT_EQ(SetsOf(transfers(), 2),
              (std::vector<std::string>{"SET 1a 00 failed", "SET 1a 01", "SET 1a 02"}));
    faults().failSets = 0;
    faults().forcedStatus = 5;
    dir_.Write(kColourDatabaseFile, std::string(10, 'x'));
    EXPECT_FALSE(sequences().UploadColourDatabase());
}

TEST_F(DeviceJobs, NoColourDatabaseFileNoUpload) {
    EXPECT_FALSE(sequences().UploadColourDatabase());
    dir_.Write(kColourDatabaseFile, "");
    EXPECT_FALSE(sequences().UploadColourDatabase());
    EXPECT_TRUE(transfers().empty());
}

TEST_F(DeviceJobs, UnplugStopsTheColourDatabaseUpload) {
    dir_.Write(kColourDatabaseFile, std::string(5 * 1024, 'x'));
    clock_.At(350, [this] { Unplug(); });
    core().RunJob(kJobColourDatabase, 0);
    EXPECT_EQ(SetsOf(transfers(), 2), (std::vector<std::string>{"SET 1a 00", "SET 1a 01"}));
}

}  // namespace
}  // namespace tesh::monitor::test
