#include "settings/registry_mirror.h"

#include <gtest/gtest.h>

#include <memory>

namespace tesh {
namespace {

std::unique_ptr<ProfileRecord> Defaults() {
    auto p = std::make_unique<ProfileRecord>();
    ProfileDefaults(*p, 0);
    return p;
}

TEST(RegistryMirror, WritesTheEightValues) {
    MemoryRegistry r;
    auto p = Defaults();
    p->ScrollWheelFlag = 1;
    p->AccelerationFlag = 1;
    p->Acceleration = 25;
    p->TiltSpeed = 4;
    ASSERT_TRUE(WriteRegistry(r, *p));
    EXPECT_EQ(r.Read(kMouseKey, "DoubleClickSpeed"), "480");
    EXPECT_EQ(r.Read(kMouseKey, "MouseSensitivity"), "10");
    EXPECT_EQ(r.Read(kMouseKey, "MouseTrails"), "0");
    EXPECT_EQ(r.Read(kMouseKey, "MouseSpeed"), "2");
    EXPECT_EQ(r.Read(kMouseKey, "MouseThreshold1"), "4");
    EXPECT_EQ(r.Read(kMouseKey, "MouseThreshold2"), "5");
    EXPECT_EQ(r.Read(kDesktopKey, "WheelScrollLines"), "-1");
    EXPECT_EQ(r.Read(kDesktopKey, "WheelScrollChars"), "4");
    p->AccelerationFlag = 0;
    p->ScrollWheelFlag = 0;
    ASSERT_TRUE(WriteRegistry(r, *p));
    EXPECT_EQ(r.Read(kMouseKey, "MouseSpeed"), "0");
    EXPECT_EQ(r.Read(kMouseKey, "MouseThreshold1"), "0");
    EXPECT_EQ(r.Read(kDesktopKey, "WheelScrollLines"), "3");
}

TEST(RegistryMirror, ReadsBack) {
    MemoryRegistry r;
    r.Write(kMouseKey, "DoubleClickSpeed", "500ms");
    r.Write(kMouseKey, "MouseSensitivity", "12");
    r.Write(kMouseKey, "MouseTrails", "x");
    r.Write(kMouseKey, "MouseSpeed", "1");
    r.Write(kMouseKey, "MouseThreshold1", "7");
    r.Write(kMouseKey, "MouseThreshold2", "0");
    r.Write(kDesktopKey, "WheelScrollLines", "-1");
    auto p = Defaults();
    p->ScrollWheelSpeed = 0;
    EXPECT_TRUE(ReadRegistry(r, *p)) << "WheelScrollChars is optional";
    EXPECT_EQ(p->DbleClickSpeed, 500);
    EXPECT_EQ(p->MouseSpeed, 12);
    EXPECT_EQ(p->MouseTrails, 0);
    EXPECT_EQ(p->Acceleration, 7);
    EXPECT_EQ(p->AccelerationFlag, 1);
    EXPECT_EQ(p->ScrollWheelFlag, 1);
    EXPECT_EQ(p->ScrollWheelSpeed, 3);
    EXPECT_EQ(p->TiltSpeed, 3) << "a missing WheelScrollChars leaves TiltSpeed";

    r.Write(kMouseKey, "MouseSpeed", "0");
    r.Write(kMouseKey, "MouseThreshold1", "0");
    r.Write(kDesktopKey, "WheelScrollLines", "5");
    r.Write(kDesktopKey, "WheelScrollChars", "2");
    EXPECT_TRUE(ReadRegistry(r, *p));
    EXPECT_EQ(p->Acceleration, 0);
    EXPECT_EQ(p->AccelerationFlag, 0);
    EXPECT_EQ(p->ScrollWheelFlag, 0);
    EXPECT_EQ(p->ScrollWheelSpeed, 5);
    EXPECT_EQ(p->TiltSpeed, 2);
}

TEST(RegistryMirror, UnreadableValuesLeaveTheirFields) {
    MemoryRegistry r;
    auto p = Defaults();
    p->Acceleration = 14;
    p->AccelerationFlag = 1;
    r.Write(kMouseKey, "MouseSpeed", "9");  // no row has speed 9
    r.Write(kMouseKey, "MouseThreshold1", "0");
    r.Write(kMouseKey, "MouseThreshold2", "0");
    EXPECT_FALSE(ReadRegistry(r, *p));
    EXPECT_EQ(p->DbleClickSpeed, 480);
    EXPECT_EQ(p->Acceleration, 14);
    EXPECT_EQ(p->AccelerationFlag, 1);
    EXPECT_EQ(p->ScrollWheelSpeed, 3);
}

TEST(RegistryMirror, FailingWriteStops) {
    MemoryRegistry r;
    r.SetReadOnly(true);
    EXPECT_FALSE(WriteRegistry(r, *Defaults()));
}

}  // namespace
}  // namespace tesh
