// The carrier's release, noticed in the focus vessel's hold.
#include "flight/HoldWatch.h"
#include "support/HostTest.h"

namespace {

using namespace testing_world;

class HoldWatchTest : public HostTest {};

TEST_F(HoldWatchTest, HoldWatchTellsTheReleaseOnly) {
  const ObjectHandle ship = AddVessel("GL-01", MakeVector(0, 0, 0));
  const ObjectHandle carrier = AddVessel("jaunt_dummy", MakeVector(5000, 0, 0));
  Focus(ship);
  host::World& world = host::TheWorld();
  sim::HoldWatch watch;
  EXPECT_FALSE(watch.Check());

  VESSEL* carrierSide = world.Interface(carrier);
  VESSEL* shipSide = world.Interface(ship);
  const AttachmentHandle holder =
      carrierSide->CreateAttachment(false, {}, MakeVector(0, 0, -1), MakeVector(0, 1, 0), "H");
  const AttachmentHandle held =
      shipSide->CreateAttachment(true, {}, MakeVector(0, 0, 1), MakeVector(0, 1, 0), "H");
  // The jump is told with the answer that made it, not here.
  ASSERT_TRUE(carrierSide->AttachChild(ship, holder, held));
  EXPECT_FALSE(watch.Check());

  ASSERT_TRUE(carrierSide->DetachChild(holder, 0));
  EXPECT_EQ(watch.Check(), "carrier released GL-01");
  EXPECT_FALSE(watch.Check());

  // A new focus vessel that is held already is no release.
  ASSERT_TRUE(carrierSide->AttachChild(ship, holder, held));
  Focus(carrier);
  EXPECT_FALSE(watch.Check());
  Focus(ship);
  EXPECT_FALSE(watch.Check());
}

}  // namespace
