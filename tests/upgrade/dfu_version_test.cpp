#include "upgrade/dfu_version.h"

#include <gtest/gtest.h>

#include "tests/upgrade/upload_fixture.h"
#include "upgrade/upgrader_config.h"

namespace tesh::upgrade::test {
namespace {

TEST_F(UploadTest, DfuVersionReadFromTheDeviceInformation) {
    state->flash.dfuVersion = 107;
    EXPECT_EQ(DfuVersionText(ReadDfuVersion(*link)), "1.07");
    state->flash.dfuVersion = 99;
    EXPECT_EQ(DfuVersionText(ReadDfuVersion(*link)), "");
}

TEST_F(UploadTest, DfuVersionOfAnUnpluggedMouseIsEmpty) {
    device->Unplug();
    EXPECT_EQ(ReadDfuVersion(*link), -1);
    EXPECT_EQ(DfuVersionText(ReadDfuVersion(*link)), "");
}

}  // namespace
}  // namespace tesh::upgrade::test
