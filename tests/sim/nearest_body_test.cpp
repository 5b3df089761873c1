#include "support/HostTest.h"
#include "world/NearestBody.h"

namespace {

using namespace testing_world;

class NearestBodyTest : public HostTest {};

TEST_F(NearestBodyTest, NearestBodyIsTheOneWithTheNearestSurface) {
  EXPECT_EQ(sim::NearestBody(MakeVector(0, 0, 0)), nullptr);
  AddBody("Giant", 1e27, 7e7, MakeVector(0, 0, 0));
  AddBody("Pebble", 1e10, 1e3, MakeVector(1e8, 0, 0));
  // 9e7 from the giant's centre is 2e7 above it; 1e7 from the pebble.
  EXPECT_EQ(sim::NearestBody(MakeVector(9e7, 0, 0))->name, "Pebble");
  EXPECT_EQ(sim::NearestBody(MakeVector(8e7, 0, 0))->name, "Giant");
}

}  // namespace
