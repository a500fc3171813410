// Each test gets a virtual mouse of its own: shared objects named for the test and a
// flash file in a fresh folder, handed down to every child process through the
// environment. The programs under test sit beside the test program.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "tests/settings/test_dir.h"
#include "tests/wine/child_process.h"
#include "tests/wine/featlink_library.h"

namespace tesh::test {

class VirtualMouseTest : public ::testing::Test {
  protected:
    VirtualMouseTest();
    ~VirtualMouseTest() override;

    // A program or library beside the test program.
    static std::string Beside(const std::string& name);
    // featlink.dll copied into a folder of its own under the test folder; its path.
    std::string CopyLibrary(const std::string& folder);
    // featlink.dll loaded from such a copy.
    std::unique_ptr<FeatlinkLibrary> LoadCopy(const std::string& folder);

    ChildResult Vmouse(const std::string& arguments);
    // `vmouse state --json`; null when it failed.
    nlohmann::json State();
    ChildResult Probe(const std::string& library, const std::string& arguments);

    const std::string& flashFile() const { return flashFile_; }

    TestDir dir_;

  private:
    std::string flashFile_;
};

}  // namespace tesh::test
