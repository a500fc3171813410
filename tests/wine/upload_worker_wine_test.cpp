// The upgrader's worker through the real featlink.dll: what it posts to the window, how
// fast it lets go when the window closes, and how much of its small stack it uses.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "featlink/firmware_image.h"
#include "tests/wine/gallery_driver.h"
#include "tests/wine/message_window.h"
#include "tests/wine/stack_use.h"
#include "tests/wine/virtual_mouse_fixture.h"
#include "upgrade/firmware_buffer.h"
#include "upgrade/upgrader_names.h"
#include "upgrade/uploader.h"
#include "upgrade/win/featlink_entry_points.h"
#include "upgrade/win/featlink_update_device.h"
#include "upgrade/win/upload_worker.h"

namespace tesh::upgrade {
namespace {

using test::PostedMessage;

constexpr DWORD kUploadTimeoutMs = 60000;
constexpr int kNewVersion = 6;

class UploadWorkerTest : public test::VirtualMouseTest {
  protected:
    void SetUp() override {
        CopyLibrary("FWUpdate");
        ASSERT_TRUE(featlink.Bind(dir_.File("FWUpdate\\")));
        ASSERT_TRUE(featlink.openFeatureDevice());
    }
    void TearDown() override {
        if (featlink.bound()) featlink.closeFeatureDevice();
    }
    void Load(uint32_t bytes) {
        const std::string image = vmouse::BuildFirmwareImage(kNewVersion, bytes);
        ASSERT_EQ(LoadFirmware(*buffer, reinterpret_cast<const uint8_t*>(image.data()),
                               static_cast<uint32_t>(image.size())),
                  LoadResult::kOk);
    }
    int Firmware() {
        nlohmann::json state = State();
        return state.is_object() ? state.value("firmware", -1) : -1;
    }

    FeatlinkEntryPoints featlink;
    std::unique_ptr<FirmwareBuffer> buffer = std::make_unique<FirmwareBuffer>();
};

TEST_F(UploadWorkerTest, PostsEveryAcceptedBlockAndTheResult) {
    Load(2 * kBlockBytes);
    test::MessageWindow window;
    UploadWorker worker(featlink, *buffer);
    ASSERT_TRUE(worker.Start(window.handle()));
    worker.Wake();
    const auto posted =
        window.WaitFor(3, kBlockAcceptedMessage, kUpgradeResultMessage, kUploadTimeoutMs);
    const std::vector<PostedMessage> expected = {{kBlockAcceptedMessage, 0, 0},
                                                 {kBlockAcceptedMessage, 1, 0},
                                                 {kUpgradeResultMessage, 0, 1}};
    EXPECT_EQ(posted, expected);
    EXPECT_TRUE(worker.Stop(kUploadTimeoutMs));
    EXPECT_EQ(Firmware(), kNewVersion);
}

TEST_F(UploadWorkerTest, AFailedUploadPostsFailure) {
    Load(2 * kBlockBytes);
    ASSERT_EQ(Vmouse("fault status 2").exitCode, 0);  // the mouse refuses begin
    test::MessageWindow window;
    UploadWorker worker(featlink, *buffer);
    ASSERT_TRUE(worker.Start(window.handle()));
    worker.Wake();
    const auto posted =
        window.WaitFor(1, kBlockAcceptedMessage, kUpgradeResultMessage, kUploadTimeoutMs);
    EXPECT_EQ(posted, (std::vector<PostedMessage>{{kUpgradeResultMessage, 0, 0}}));
}

TEST_F(UploadWorkerTest, StoppingEndsTheUploadWithinOneTransfer) {
    Load(8 * kBlockBytes);
    ASSERT_EQ(Vmouse("fault busy 1000").exitCode, 0);  // every poll waits, up to 1.5 s
    test::MessageWindow window;
    UploadWorker worker(featlink, *buffer);
    ASSERT_TRUE(worker.Start(window.handle()));
    worker.Wake();
    ASSERT_TRUE(skin::testing::GalleryDriver::WaitFor(
        [&] {
            nlohmann::json state = State();
            return state.is_object() && state["faults"].value("busy", 1000) <= 995;
        },
        kUploadTimeoutMs));
    const ULONGLONG stopping = GetTickCount64();
    EXPECT_TRUE(worker.Stop(kWorkerEndMs));
    // Without its waits cut short it would go on polling a busy mouse for many seconds.
    EXPECT_LT(GetTickCount64() - stopping, 3000u);
    EXPECT_TRUE(window.WaitFor(1, kBlockAcceptedMessage, kUpgradeResultMessage, 0).empty())
        << "a stopped worker posts nothing";
    EXPECT_NE(Firmware(), kNewVersion);
}

struct StackJob {
    const FeatlinkEntryPoints* featlink;
    const FirmwareBuffer* image;
    bool succeeded = false;
};

class NoProgress : public UploadProgress {
  public:
    void BlockAccepted(uint32_t) override {}
};

// The upload as the worker runs it: the uploader and its command live off the stack.
DWORD WINAPI UploadOnThisStack(void* parameter) {
    auto& job = *static_cast<StackJob*>(parameter);
    FeatlinkUpdateDevice device(*job.featlink);
    HANDLE never = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    InterruptibleClock clock(never);
    auto uploader = std::make_unique<Uploader>(device, clock);
    NoProgress progress;
    std::atomic<bool> abandon{false};
    job.succeeded = uploader->Run(*job.image, progress, abandon);
    CloseHandle(never);
    return 0;
}

TEST_F(UploadWorkerTest, TheUploadFitsTheWorkersStack) {
    Load(2 * kBlockBytes);
    StackJob job{&featlink, buffer.get()};
    const test::StackUse use = test::MeasureStackUse(UploadOnThisStack, &job);
    ASSERT_TRUE(use.ran);
    EXPECT_TRUE(job.succeeded);
    EXPECT_LT(use.bytes, kWorkerStackBytes) << use.bytes << " bytes";
    RecordProperty("stack_bytes", static_cast<int>(use.bytes));
    EXPECT_EQ(Firmware(), kNewVersion);
}

}  // namespace
}  // namespace tesh::upgrade
