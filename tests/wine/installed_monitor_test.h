// A test with the real monitor installed in a copy of the program directory and the
// virtual mouse plugged in, running the installed firmware so that no upgrade starts.
// The configuration application is the stand-in unless the test names another
// program; the virtual mouse's log is read line by line.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "monitor/monitor_names.h"
#include "monitor/program_names.h"
#include "settings/ini_file.h"
#include "tests/wine/monitor_program.h"
#include "tests/wine/virtual_mouse_fixture.h"

namespace tesh::test {

constexpr char kHostStateRunning[] = "SET 0e 03 01";

inline bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

class InstalledMonitorTest : public VirtualMouseTest {
  protected:
    explicit InstalledMonitorTest(const std::string& optionProgram = "")
        : program_(dir_.File("program") + "\\",
                   optionProgram.empty() ? Beside("option_stand_in.exe") : optionProgram),
          holder_(LoadCopy("holder")) {
        // The test keeps the virtual mouse alive between the programs that use it.
        holder_->openFeatureDevice();
        EXPECT_EQ(Vmouse("plug").exitCode, 0);
        if (program_.ImageVersion() > 0) {
            EXPECT_EQ(Vmouse("set firmware " + std::to_string(program_.ImageVersion())).exitCode,
                      0);
        } else {
            IniFile(program_.File(monitor::kUpgraderConfig))
                .WriteInt(monitor::kUpgraderSection, monitor::kUpgraderVersionKey,
                          State()["firmware"].get<int>());
        }
    }

    // The virtual mouse's log, one line per exchange or event.
    std::vector<std::string> Log() {
        std::vector<std::string> lines;
        const ChildResult result = Vmouse("log");
        std::size_t start = 0;
        for (std::size_t end; (end = result.output.find('\n', start)) != std::string::npos;
             start = end + 1) {
            std::string line = result.output.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    // The reports written to the mouse.
    static std::vector<std::string> Writes(const std::vector<std::string>& log) {
        std::vector<std::string> writes;
        for (const std::string& line : log) {
            if (StartsWith(line, "SET")) writes.push_back(line);
        }
        return writes;
    }
    bool WaitForLogLine(const std::string& prefix) {
        return WaitUntil([&] {
            const auto log = Log();
            return std::any_of(log.begin(), log.end(),
                               [&](const std::string& line) { return StartsWith(line, prefix); });
        });
    }
    void ClearLog() { ASSERT_EQ(Vmouse("log --clear").exitCode, 0); }
    // The monitor started, and its first read-all done.
    void StartConnected(const std::string& arguments = "") {
        ClearLog();
        ASSERT_TRUE(program_.Start(arguments));
        ASSERT_TRUE(WaitForLogLine(kHostStateRunning)) << "no read-all";
    }

    // The monitor started, its first read of the mouse done and its block opened.
    void StartBlockConnected() {
        StartConnected();
        block_ = std::make_unique<BlockClient>();
        ASSERT_TRUE(block_->opened());
        profile_ = block_->Read()->CurrentProfile;
    }
    // Gives a slot of the active profile a function, as the configuration application
    // applies it: into the block, then Apply, which writes it to the mouse.
    void Assign(int slot, const std::function<void(ButtonRecord&)>& change) {
        block_->Change([&](SettingsSet& set) {
            change(set.Profiles[profile_].Buttons[slot]);
            set.ButtonChanged[profile_][slot] = 1;
        });
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutA(program_.window(), monitor::kApplyMessage, 0, 0,
                                        SMTO_NORMAL, kConditionTimeoutMs, &result));
    }

    MonitorProgram program_;
    std::unique_ptr<FeatlinkLibrary> holder_;
    std::unique_ptr<BlockClient> block_;  // once the monitor made the block
    int profile_ = 0;
};

}  // namespace tesh::test
