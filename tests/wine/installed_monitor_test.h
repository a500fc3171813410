// A test with the real monitor installed in a copy of the program directory and the
// virtual mouse plugged in, running the installed firmware so that no upgrade starts.
#pragma once

#include <memory>
#include <string>

#include "monitor/monitor_names.h"
#include "settings/ini_file.h"
#include "tests/wine/monitor_program.h"
#include "tests/wine/virtual_mouse_fixture.h"

namespace tesh::test {

class InstalledMonitorTest : public VirtualMouseTest {
  protected:
    InstalledMonitorTest()
        : program_(dir_.File("program") + "\\", Beside("option_stand_in.exe")),
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

    MonitorProgram program_;
    std::unique_ptr<FeatlinkLibrary> holder_;
};

}  // namespace tesh::test
