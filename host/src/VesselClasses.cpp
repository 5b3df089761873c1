#include "host/VesselClasses.h"

#include <vector>

namespace host {

namespace {
std::vector<VesselClass>& Classes() {
  // A small massless carrier that holds another vessel for a few steps.
  static std::vector<VesselClass> classes{{"jauntdummy", 1.0, 0.0}};
  return classes;
}
}  // namespace

const VesselClass* FindVesselClass(const std::string& name) {
  for (const VesselClass& known : Classes()) {
    if (known.name == name) return &known;
  }
  return nullptr;
}

void AddVesselClass(const VesselClass& vesselClass) {
  if (FindVesselClass(vesselClass.name) == nullptr) Classes().push_back(vesselClass);
}

void RemoveVesselClass(const std::string& name) {
  std::erase_if(Classes(), [&name](const VesselClass& known) { return known.name == name; });
}

}  // namespace host
