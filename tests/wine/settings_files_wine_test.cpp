// Settings files on Windows while other programs hold them open. A reader that does not
// share delete (a virus scanner, an indexer, a program reading with fopen) makes a
// rename over the file fail: the write then waits, writes in place, or fails whole.
// And the session's settings lock between two threads, each with its own handle.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "settings/file_io.h"
#include "settings/file_lock.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "settings/registry_port.h"
#include "settings/settings_store.h"
#include "tests/settings/test_dir.h"

namespace tesh {
namespace {

// The file opened for reading as another program opens it.
class HeldFile {
  public:
    HeldFile(const std::string& path, DWORD share)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (held()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE handle_;
};

bool TemporariesLeft(const test::TestDir& dir) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir.path() + "*.tmp*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

constexpr char kOld[] = "[Setting]\r\nDevice=0\r\n";

TEST(WindowsFilesHeldOpen, AReaderWithoutDeleteSharingGetsTheNewBytesInPlace) {
    test::TestDir dir;
    const std::string path = dir.File(kConfigIni);
    ASSERT_TRUE(WriteFileAtomically(path, kOld));
    HeldFile reader(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(reader.held());
    EXPECT_TRUE(IniFile(path).WriteInt(kSettingSection, "Device", 1));
    EXPECT_EQ(ReadWholeFile(path), "[Setting]\r\nDevice=1\r\n") << "read while it is held";
    reader.Release();
    EXPECT_FALSE(TemporariesLeft(dir));
}

// Locked even against writing: the write fails whole, and the store writes the key with
// its next write, unless another program has written it meanwhile.
TEST(WindowsFilesHeldOpen, AFileLockedAgainstWritingKeepsItsBytesAndTheKeyWaits) {
    for (const bool writtenMeanwhile : {false, true}) {
        test::TestDir dir;
        const std::string path = dir.File(kConfigIni);
        ASSERT_TRUE(WriteFileAtomically(path, kOld));
        MemoryRegistry registry;
        SettingsStore store(dir.path(), registry);
        HeldFile reader(path, FILE_SHARE_READ);
        ASSERT_TRUE(reader.held());
        EXPECT_FALSE(WriteFileAtomically(path, "new"));
        EXPECT_FALSE(store.WriteDevice(1));
        reader.Release();
        EXPECT_EQ(ReadWholeFile(path), kOld);
        EXPECT_FALSE(TemporariesLeft(dir));

        if (writtenMeanwhile) {
            ASSERT_TRUE(IniFile(path).WriteInt(kSettingSection, "Device", 5));
        }
        ASSERT_TRUE(store.WriteFirmwareVersion(105));
        EXPECT_FALSE(store.WritesPending());
        IniFile config(path);
        EXPECT_EQ(config.ReadInt(kSettingSection, "Device", -1), writtenMeanwhile ? 5 : 1);
        EXPECT_EQ(config.ReadInt(kSettingSection, "FWVersion", -1), 105);
    }
}

// Each thread writes its own key 1..kWrites and checks before each write that the key
// still holds its last value; a write based on an older read would have put back an
// older one.
TEST(WindowsSettingsLock, TwoThreadsNeverUndoEachOthersKeys) {
    constexpr int kWrites = 100;
    test::TestDir dir;
    const std::string path = dir.File(kConfigIni);
    int lost[2] = {0, 0};
    auto writeOwnKey = [&](int thread, const char* key) {
        IniFile file(path);
        for (int i = 1; i <= kWrites; ++i) {
            if (file.ReadInt(kSettingSection, key, 0) != i - 1) ++lost[thread];
            if (!file.WriteInt(kSettingSection, key, i)) ++lost[thread];
        }
    };
    std::thread first(writeOwnKey, 0, "InfoData");
    std::thread second(writeOwnKey, 1, "CurrentProfile");
    first.join();
    second.join();
    EXPECT_EQ(lost[0], 0);
    EXPECT_EQ(lost[1], 0);
    IniFile file(path);
    EXPECT_EQ(file.ReadInt(kSettingSection, "InfoData", 0), kWrites);
    EXPECT_EQ(file.ReadInt(kSettingSection, "CurrentProfile", 0), kWrites);
}

TEST(WindowsSettingsLock, AHolderThatEndedLeavesItFree) {
    std::thread holder([] {
        std::unique_ptr<FileLock> lock = OpenSettingsFileLock();
        ASSERT_TRUE(lock->Acquire(kSettingsLockWaitMs));
        // Ends without letting go, as a killed program would.
    });
    holder.join();
    std::unique_ptr<FileLock> lock = OpenSettingsFileLock();
    EXPECT_TRUE(lock->Acquire(kSettingsLockWaitMs));
    lock->Release();
}

}  // namespace
}  // namespace tesh
