// The records that cross the plug-in boundary keep one binary layout per
// target: the values the host interface calls 32-bit stay 32 bits wide on
// both targets, handles are pointer-sized, and the vectors sit where the
// target's C ABI puts doubles. The layout found is printed for comparison.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "plugin/HostTypes.h"
#include "plugin/ModuleInterface.h"

namespace {

struct Field {
  std::string name;
  std::size_t offset;
  std::size_t size;
  bool operator==(const Field&) const = default;
};

#define JAUNT_FIELD(record, field)                         \
  Field {                                                  \
#field, offsetof(record, field), sizeof(record::field) \
  }

constexpr bool pointers32 = sizeof(void*) == 4;

void Print(const char* record, std::size_t size, const std::vector<Field>& fields) {
  std::printf("%s on the %d-bit target: %zu bytes\n", record, pointers32 ? 32 : 64, size);
  for (const Field& field : fields)
    std::printf("  %-22s offset %3zu size %2zu\n", field.name.c_str(), field.offset, field.size);
}

TEST(HostTypesTest, CarrierStateRecordHasTheTargetsLayout) {
  const std::vector<Field> found{
      JAUNT_FIELD(VesselStateRecord, version),  JAUNT_FIELD(VesselStateRecord, flag),
      JAUNT_FIELD(VesselStateRecord, rbody),    JAUNT_FIELD(VesselStateRecord, base),
      JAUNT_FIELD(VesselStateRecord, port),     JAUNT_FIELD(VesselStateRecord, status),
      JAUNT_FIELD(VesselStateRecord, rpos),     JAUNT_FIELD(VesselStateRecord, rvel),
      JAUNT_FIELD(VesselStateRecord, vrot),     JAUNT_FIELD(VesselStateRecord, arot),
      JAUNT_FIELD(VesselStateRecord, surf_lng), JAUNT_FIELD(VesselStateRecord, surf_lat),
      JAUNT_FIELD(VesselStateRecord, surf_hdg), JAUNT_FIELD(VesselStateRecord, nfuel),
      JAUNT_FIELD(VesselStateRecord, fuel),     JAUNT_FIELD(VesselStateRecord, nthruster),
      JAUNT_FIELD(VesselStateRecord, thruster), JAUNT_FIELD(VesselStateRecord, ndockinfo),
      JAUNT_FIELD(VesselStateRecord, dockinfo), JAUNT_FIELD(VesselStateRecord, xpdr),
  };
  Print("VesselStateRecord", sizeof(VesselStateRecord), found);

  // The host's record on its two builds; a 64-bit Linux build lays it out
  // as the 64-bit host does. Doubles are aligned to 8 bytes on both.
  const std::vector<Field> x86{
      {"version", 0, 4},    {"flag", 4, 4},        {"rbody", 8, 4},      {"base", 12, 4},
      {"port", 16, 4},      {"status", 20, 4},     {"rpos", 24, 24},     {"rvel", 48, 24},
      {"vrot", 72, 24},     {"arot", 96, 24},      {"surf_lng", 120, 8}, {"surf_lat", 128, 8},
      {"surf_hdg", 136, 8}, {"nfuel", 144, 4},     {"fuel", 148, 4},     {"nthruster", 152, 4},
      {"thruster", 156, 4}, {"ndockinfo", 160, 4}, {"dockinfo", 164, 4}, {"xpdr", 168, 4},
  };
  const std::vector<Field> x64{
      {"version", 0, 4},    {"flag", 4, 4},        {"rbody", 8, 8},      {"base", 16, 8},
      {"port", 24, 4},      {"status", 28, 4},     {"rpos", 32, 24},     {"rvel", 56, 24},
      {"vrot", 80, 24},     {"arot", 104, 24},     {"surf_lng", 128, 8}, {"surf_lat", 136, 8},
      {"surf_hdg", 144, 8}, {"nfuel", 152, 4},     {"fuel", 160, 8},     {"nthruster", 168, 4},
      {"thruster", 176, 8}, {"ndockinfo", 184, 4}, {"dockinfo", 192, 8}, {"xpdr", 200, 4},
  };
  EXPECT_EQ(found, pointers32 ? x86 : x64);
  EXPECT_EQ(sizeof(VesselStateRecord), pointers32 ? 176u : 208u);
}

TEST(HostTypesTest, MenuRowsArePackedAsTheHostWalksThem) {
  const std::size_t p = sizeof(void*);
  EXPECT_EQ(sizeof(MFDBUTTONMENU), 2 * p + 1);
  EXPECT_EQ(offsetof(MFDBUTTONMENU, selchar), 2 * p);
}

TEST(HostTypesTest, ModeRecordAndCallbackTableHaveTheTargetsLayout) {
  const std::vector<Field> mode{
      JAUNT_FIELD(MFDMODESPEC, name),
      JAUNT_FIELD(MFDMODESPEC, key),
      JAUNT_FIELD(MFDMODESPEC, msgproc),
  };
  Print("MFDMODESPEC", sizeof(MFDMODESPEC), mode);
  const std::size_t p = sizeof(void*);
  EXPECT_EQ(mode, (std::vector<Field>{{"name", 0, p}, {"key", p, 4}, {"msgproc", 2 * p, p}}));

  // Five pointer slots, read by the host at fixed offsets.
  const std::vector<Field> table{
      JAUNT_FIELD(ModuleCallbackTable, opcOpenRenderViewport),
      JAUNT_FIELD(ModuleCallbackTable, opcCloseRenderViewport),
      JAUNT_FIELD(ModuleCallbackTable, opcTimestep),
      JAUNT_FIELD(ModuleCallbackTable, opcFocusChanged),
      JAUNT_FIELD(ModuleCallbackTable, opcTimeAccChanged),
  };
  Print("ModuleCallbackTable", sizeof(ModuleCallbackTable), table);
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].offset, i * p) << table[i].name;
    EXPECT_EQ(table[i].size, p) << table[i].name;
  }
  EXPECT_EQ(sizeof(ModuleCallbackTable), 5 * p);
}

}  // namespace
