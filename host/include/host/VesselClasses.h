// Vessel classes the host can create by name with oapiCreateVesselEx.
#pragma once

#include <string>

namespace host {

struct VesselClass {
  std::string name;
  double size;  // m
  double mass;  // kg
};

// Known classes: the built-in carrier "jauntdummy" and any added here.
const VesselClass* FindVesselClass(const std::string& name);
void AddVesselClass(const VesselClass& vesselClass);
// Forgets a class, so that creating vessels of it fails from then on.
void RemoveVesselClass(const std::string& name);

}  // namespace host
