// The stand-in host's world, as plug-ins see it through the host services.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "plugin/HostServices.h"
#include "support/HostTest.h"

using namespace testing_world;

namespace {

class WorldTest : public HostTest {};

TEST_F(WorldTest, NamesAreFoundInAnyCaseAndWrittenAsTheHostSpellsThem) {
  const ObjectHandle earth = AddBody("Earth", testing_world::earthMass, testing_world::earthRadius,
                                     MakeVector(1.5e11, 0, 0));
  AddVessel("earth", MakeVector(0, 0, 0));  // a later namesake is never found first
  char upper[] = "EARTH", partial[] = "Eart";
  EXPECT_EQ(oapiGetObjectByName(upper), earth);
  EXPECT_EQ(oapiGetObjectByName(partial), nullptr);

  // As strncpy: at most n bytes, no terminator when the name fills them,
  // and the rest of the n filled with NULs when it does not.
  char name[8];
  std::memset(name, '#', sizeof name);
  oapiGetObjectName(earth, name, 5);
  EXPECT_EQ(std::string(name, sizeof name), "Earth###");
  oapiGetObjectName(earth, name, 7);
  EXPECT_EQ(std::string(name, sizeof name), std::string("Earth\0\0#", 8));
}

TEST_F(WorldTest, FocusRelativeStateIsTheFocusMinusTheObject) {
  const ObjectHandle moon =
      AddBody("Moon", 7.3e22, 1.7e6, MakeVector(10, 20, 30), MakeVector(1, 1, 1));
  Focus(AddVessel("GL-01", MakeVector(1, 2, 3), MakeVector(4, 5, 6)));
  VECTOR3 pos, vel;
  oapiGetFocusRelativePos(moon, &pos);
  oapiGetFocusRelativeVel(moon, &vel);
  EXPECT_EQ(pos.x, -9);
  EXPECT_EQ(pos.z, -27);
  EXPECT_EQ(vel.y, 4);
}

TEST_F(WorldTest, RemovedObjectsHandleIsRefusedAndCounted) {
  const ObjectHandle rock = AddBody("Rock", 1, 1, MakeVector(5, 0, 0));
  host::TheWorld().Remove(rock);
  VECTOR3 pos = MakeVector(7, 7, 7);
  oapiGetGlobalPos(rock, &pos);
  EXPECT_EQ(pos.x, 0);
  EXPECT_EQ(oapiGetMass(rock), 0);
  EXPECT_EQ(oapiGetVesselInterface(rock), nullptr);
  EXPECT_EQ(host::StaleHandleUses(), 3);
  EXPECT_EQ(oapiGetGbodyCount(), 0u);
  host::ClearReports();  // expected here
}

TEST_F(WorldTest, InterfaceOfARemovedVesselRefusesInsteadOfCrashing) {
  const ObjectHandle ship = AddVessel("GL-01", MakeVector(1, 2, 3));
  Focus(ship);
  VESSEL* vessel = oapiGetVesselInterface(ship);
  host::TheWorld().Remove(ship);
  EXPECT_EQ(oapiGetFocusObject(), nullptr);  // the focus went with it
  EXPECT_EQ(oapiGetFocusInterface(), nullptr);
  VECTOR3 pos = MakeVector(7, 7, 7);
  vessel->GetGlobalPos(pos);
  EXPECT_EQ(pos.x, 0);
  EXPECT_EQ(vessel->AttachmentCount(true), 0u);
  EXPECT_FALSE(vessel->DetachChild(nullptr));
  EXPECT_EQ(host::StaleHandleUses(), 3);
  host::ClearReports();
}

TEST_F(WorldTest, CreatedVesselStateIsRelativeToTheRecordsBody) {
  const ObjectHandle earth = AddBody("Earth", testing_world::earthMass, testing_world::earthRadius,
                                     MakeVector(1e11, 0, 0), MakeVector(0, 3e4, 0));
  VesselStateRecord record{};
  record.version = 2;
  record.rbody = earth;
  record.rpos = MakeVector(7e6, 0, 0);
  record.rvel = MakeVector(0, 7500, 0);
  const ObjectHandle carrier = oapiCreateVesselEx("jaunt_dummy", "jauntdummy", &record);
  ASSERT_NE(carrier, nullptr);
  const host::Object& made = *host::TheWorld().Find(carrier);
  EXPECT_EQ(made.pos.x, 1e11 + 7e6);
  EXPECT_EQ(made.vel.y, 3e4 + 7500);
  EXPECT_EQ(made.className, "jauntdummy");

  EXPECT_EQ(oapiCreateVesselEx("x", "no-such-class", &record), nullptr);
  // Outside the world's bounds, once the body's state is added.
  record.rpos = MakeVector(-1e11, 0, 1e18 + 1e3);
  EXPECT_EQ(oapiCreateVesselEx("far", "jauntdummy", &record), nullptr);
  record.rpos = MakeVector(7e6, 0, 0);
  record.rvel = MakeVector(0, 299792458.0 - 2e4, 0);
  EXPECT_EQ(oapiCreateVesselEx("fast", "jauntdummy", &record), nullptr);
  record.version = 1;
  EXPECT_EQ(oapiCreateVesselEx("x", "jauntdummy", &record), nullptr);
  EXPECT_EQ(host::Reports().size(), 4u);
  EXPECT_EQ(host::TheWorld().Vessels().size(), 1u);
  host::ClearReports();
}

// Handles of removed objects are never handed out again, and what the
// objects held is released: a long run of vessels made and removed, as
// jumps make and remove their carriers, keeps the memory it started with.
TEST_F(WorldTest, RemovedObjectsLeaveNeitherTheirHandlesNorTheirMemory) {
  const ObjectHandle first = AddVessel("jaunt_dummy", MakeVector(0, 0, 0));
  oapiGetVesselInterface(first)->CreateAttachment(false, {}, {}, {}, "DUMMY");
  host::TheWorld().Remove(first);
  const ObjectHandle second = AddVessel("jaunt_dummy", MakeVector(0, 0, 0));
  EXPECT_NE(second, first);
  EXPECT_EQ(host::TheWorld().Find(first), nullptr);
  EXPECT_TRUE(host::TheWorld().IsStale(first));
  EXPECT_FALSE(host::TheWorld().IsStale(second));
  host::TheWorld().Remove(second);
  const auto heapInUse = [] {
#ifdef __GLIBC__
    return mallinfo2().uordblks;
#else
    return std::size_t{0};
#endif
  };
  std::vector<void*> handed{first, second};
  handed.reserve(200002);
  const std::size_t before = heapInUse();
  for (int jump = 0; jump < 100000; ++jump) {
    const ObjectHandle carrier = AddVessel("jaunt_dummy", MakeVector(0, 0, 0));
    handed.push_back(carrier);
    handed.push_back(oapiGetVesselInterface(carrier)->CreateAttachment(false, {}, {}, {}, "DUMMY"));
    host::TheWorld().Remove(carrier);
  }
  EXPECT_LT(heapInUse(), before + 64 * 1024);  // 8 MB grew here before
  std::sort(handed.begin(), handed.end());
  EXPECT_EQ(std::adjacent_find(handed.begin(), handed.end()), handed.end());
}

class AttachmentTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    parent = AddVessel("Carrier", MakeVector(100, 0, 0), MakeVector(0, 10, 0), 1,
                       MakeVector(1, 0, 0), MakeVector(0, 1, 0));
    child = AddVessel("GL-01", MakeVector(0, 0, 0), MakeVector(5, 5, 5));
    parentPoint = Vessel(parent)->CreateAttachment(false, MakeVector(0, 0, 2), MakeVector(0, 0, -1),
                                                   MakeVector(0, 1, 0), "DUMMY", true);
    childPoint = Vessel(child)->CreateAttachment(true, MakeVector(0, 0, 0), MakeVector(0, 0, 1),
                                                 MakeVector(0, 1, 0), "DUMMY", true);
  }
  static VESSEL* Vessel(ObjectHandle h) { return oapiGetVesselInterface(h); }
  host::Object& Child() { return *host::TheWorld().Find(child); }

  ObjectHandle parent = nullptr, child = nullptr;
  AttachmentHandle parentPoint = nullptr, childPoint = nullptr;
};

TEST_F(AttachmentTest, ChildIsHeldAtTheParentsPointAndFollowsIt) {
  ASSERT_TRUE(Vessel(parent)->AttachChild(child, parentPoint, childPoint));
  // The parent faces +x: its point 2 m along local +z lies 2 m along global +x.
  EXPECT_EQ(Child().pos.x, 102);
  EXPECT_EQ(Child().vel.y, 10);
  host::TheWorld().Advance(2);
  EXPECT_EQ(Child().pos.y, 20);
  EXPECT_EQ(Child().parent, parent);
}

TEST_F(AttachmentTest, DetachedChildLeavesAlongThePointAtTheGivenSpeed) {
  ASSERT_TRUE(Vessel(parent)->AttachChild(child, parentPoint, childPoint));
  ASSERT_TRUE(Vessel(parent)->DetachChild(parentPoint, 3));
  EXPECT_EQ(Child().parent, nullptr);
  EXPECT_EQ(Child().vel.x, -3);  // the point faces local -z, global -x
  EXPECT_EQ(Child().vel.y, 10);
  EXPECT_FALSE(Vessel(parent)->DetachChild(parentPoint, 0));  // nothing held any more
}

TEST_F(AttachmentTest, WrongSidesAndLoopsAreRefused) {
  EXPECT_FALSE(Vessel(parent)->AttachChild(child, childPoint, childPoint));
  EXPECT_FALSE(Vessel(parent)->AttachChild(parent, parentPoint, childPoint));
  ASSERT_TRUE(Vessel(parent)->AttachChild(child, parentPoint, childPoint));
  const AttachmentHandle back = Vessel(child)->CreateAttachment(false, {}, {}, {}, "X");
  const AttachmentHandle up = Vessel(parent)->CreateAttachment(true, {}, {}, {}, "X");
  EXPECT_FALSE(Vessel(child)->AttachChild(parent, back, up));
  host::ClearReports();
}

TEST_F(AttachmentTest, RemovingTheParentFreesTheChild) {
  ASSERT_TRUE(Vessel(parent)->AttachChild(child, parentPoint, childPoint));
  EXPECT_TRUE(oapiDeleteVessel(parent));
  EXPECT_EQ(Child().parent, nullptr);
  host::TheWorld().Advance(1);
  EXPECT_EQ(Child().pos.y, 10);  // moves on with the velocity it was given
}

TEST_F(AttachmentTest, PointsAreCountedAndNamedPerSide) {
  Vessel(child)->CreateAttachment(true, {}, {}, {}, "dummy");
  EXPECT_EQ(Vessel(child)->AttachmentCount(true), 2u);
  EXPECT_EQ(Vessel(child)->AttachmentCount(false), 0u);
  EXPECT_STREQ(Vessel(child)->GetAttachmentId(Vessel(child)->GetAttachmentHandle(true, 1)),
               "dummy");
  EXPECT_EQ(Vessel(child)->GetAttachmentHandle(false, 0), nullptr);
  EXPECT_EQ(Vessel(child)->GetAttachmentId(parentPoint), nullptr);  // not its own
  host::ClearReports();
}

}  // namespace
