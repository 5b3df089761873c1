// The module's per-frame work and its input callbacks must not touch the
// heap: they run on the host's frame thread, many times a second.
//
// Every global operator new of this program is replaced by a counting one,
// and each operation runs with the counter on. The host's own drawing
// surface records into strings, so this program draws on a surface of
// fixed buffers instead (support/FixedSurface.h). On the other
// host calls these paths make, with names short enough for the string's own
// buffer, the host allocates nothing; so every count seen is the module's.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <string>

#include "jump/ConfirmAnswer.h"
#include "planning/InputPrompts.h"
#include "support/FakeRandom.h"
#include "support/FixedSurface.h"
#include "support/ModuleTest.h"

namespace {

bool counting = false;
int allocations = 0;

void* Allocate(std::size_t size) {
  if (counting) ++allocations;
  return std::malloc(size == 0 ? 1 : size);
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
  if (counting) ++allocations;
  const auto align = static_cast<std::size_t>(alignment);
  return std::aligned_alloc(align, (size + align - 1) / align * align);
}

// Out of line, so that the compiler does not see free() meet a pointer from
// operator new where a delete is inlined and take it for a mismatch.
[[gnu::noinline]] void Deallocate(void* p) {
  std::free(p);
}

// What the module drew, in fixed buffers.
testing_surface::Surface surface;

HDC SurfaceDc() {
  return testing_surface::Begin(surface);
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  if (void* p = AllocateAligned(size, alignment)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  if (void* p = AllocateAligned(size, alignment)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  Deallocate(p);
}
void operator delete[](void* p) noexcept {
  Deallocate(p);
}
void operator delete(void* p, std::size_t) noexcept {
  Deallocate(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  Deallocate(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
  Deallocate(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
  Deallocate(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  Deallocate(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
  Deallocate(p);
}

namespace {

using namespace testing_world;

// Runs `operation` with the counter on and returns how often it allocated.
int AllocationsOf(const std::function<void()>& operation) {
  allocations = 0;
  counting = true;
  operation();
  counting = false;
  return allocations;
}

class AllocTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    AddBody("Sun", 1.989e30, 6.96e8, MakeVector(0, 0, 0));
    AddBody("Earth", testing_world::earthMass, testing_world::earthRadius,
            MakeVector(1.496e11, 0, 0), MakeVector(0, 29780, 0));
    AddBody("Moon", 7.342e22, 1.737e6, MakeVector(1.496e11 + 3.844e8, 0, 0));
    Focus(AddVessel("GL-01", MakeVector(1.496e11 + 7e6, 0, 0), MakeVector(0, 37280, 0)));
    display = &OpenJaunt();
    display->distanceSetting = 1e6;  // short of Earth: the estimate is made
    ASSERT_TRUE(display->UpdateTarget("Earth", true));
    surface = {};
  }

  JauntMFD* display = nullptr;
};

TEST_F(AllocTest, CounterSeesAnAllocationOnTheModulesPath) {
  // A name longer than std::string keeps inline: the host's lookup copies it
  // to the heap. The count must show it, or it could not show the module's.
  AddVessel("A name of twenty-nine letters", MakeVector(1.496e11 + 8e6, 0, 0));
  EXPECT_GT(AllocationsOf([&] { display->UpdateTarget("A name of twenty-nine letters", false); }),
            0);
}

TEST_F(AllocTest, DrawPageWithTargetAllocatesNothing) {
  display->lastJumpSafe = false;  // every line of the page is drawn
  ASSERT_TRUE(display->estimateValid);
  EXPECT_EQ(AllocationsOf([&] { display->DrawPage(SurfaceDc()); }), 0);
  EXPECT_STREQ(surface.title, "Jaunt MFD");
  ASSERT_EQ(surface.count, 10);
  EXPECT_STREQ(surface.lines[0], "[Shift-T] Target: Earth");
  EXPECT_STREQ(surface.lines[9], "<<<Bad jump!>>>");
}

TEST_F(AllocTest, DrawPageWithoutTargetAllocatesNothing) {
  display->UpdateTarget(noTargetName, true);
  EXPECT_EQ(AllocationsOf([&] { display->DrawPage(SurfaceDc()); }), 0);
  EXPECT_STREQ(surface.lines[0], "[Shift-T] Target: None");
}

TEST_F(AllocTest, TimestepAllocatesNothingIdleOrWhileHoldingTheShip) {
  EXPECT_EQ(AllocationsOf([] { opcTimestep(1, 0.05, 51544.5); }), 0);

  const auto fake = FakeRandom::Install({0});
  ASSERT_TRUE(display->ExecuteJump());
  for (int step = 0; step < 3; ++step)
    EXPECT_EQ(AllocationsOf([] { opcTimestep(1, 0.05, 51544.5); }), 0) << "step " << step;
  EXPECT_FALSE(ReleasePending());
}

struct OperationCase {
  const char* name;
  std::function<bool(JauntMFD&, char* (*)(const char*))> run;
  bool result;
};

char textBuffer[100];
char* TextCopy(const char* text) {
  std::snprintf(textBuffer, sizeof textBuffer, "%s", text);
  return textBuffer;
}

class OperationAllocTest : public AllocTest, public ::testing::WithParamInterface<OperationCase> {};

TEST_P(OperationAllocTest, AllocatesNothing) {
  const OperationCase& c = GetParam();
  bool result = false;
  EXPECT_EQ(AllocationsOf([&] { result = c.run(*display, TextCopy); }), 0);
  EXPECT_EQ(result, c.result);
}

void* Token(const JauntMFD& d) {
  return d.InputToken();
}

INSTANTIATE_TEST_SUITE_P(
    Table, OperationAllocTest,
    ::testing::Values(
        OperationCase{"UpdateTargetRefresh",
                      [](JauntMFD& d, auto) { return d.UpdateTarget(d.targetName, false); }, true},
        OperationCase{"UpdateTargetEstimate",
                      [](JauntMFD& d, auto) { return d.UpdateTarget("Moon", true); }, true},
        OperationCase{"UpdateTargetNoneEstimate",
                      [](JauntMFD& d, auto) { return d.UpdateTarget(noTargetName, true); }, true},
        OperationCase{"UpdateTargetUnknown",
                      [](JauntMFD& d, auto) { return d.UpdateTarget("Vulcan", true); }, false},
        OperationCase{
            "TargetPrompt",
            [](JauntMFD& d, auto text) { return OnTargetEntered(nullptr, text("Moon"), Token(d)); },
            true},
        OperationCase{
            "TargetPromptEmpty",
            [](JauntMFD& d, auto text) { return OnTargetEntered(nullptr, text(""), Token(d)); },
            true},
        OperationCase{"DistancePromptPercent",
                      [](JauntMFD& d, auto text) {
                        return OnDistanceEntered(nullptr, text("%10"), Token(d));
                      },
                      true},
        OperationCase{"DistancePromptUnit",
                      [](JauntMFD& d, auto text) {
                        return OnDistanceEntered(nullptr, text("K500"), Token(d));
                      },
                      true},
        OperationCase{
            "DistancePromptRejected",
            [](JauntMFD& d, auto text) { return OnDistanceEntered(nullptr, text("-5"), Token(d)); },
            false},
        OperationCase{
            "SpeedPrompt",
            [](JauntMFD& d, auto text) { return OnSpeedEntered(nullptr, text("7.5"), Token(d)); },
            true},
        OperationCase{
            "ConfirmNo",
            [](JauntMFD& d, auto text) { return OnConfirmEntered(nullptr, text("n"), Token(d)); },
            true}),
    [](const ::testing::TestParamInfo<OperationCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
