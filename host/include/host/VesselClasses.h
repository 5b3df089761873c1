// Vessel classes the host can create by name with oapiCreateVesselEx.
#pragma once

#include <string>

namespace host {

struct VesselClass {
  std::string name;
  double size;  // m
  double mass;  // kg
};

// A class as the host reads its file (Config/Vessels/NAME.cfg): the name is
// the file's, "Mass" the empty mass (1000 kg when missing), "Size" the mean
// radius; keys are matched exactly, other keys and ';' comments skipped.
VesselClass ReadVesselClass(const std::string& name, const std::string& text);

// Known classes: those whose files the project ships (the carrier
// "jauntdummy"), and any added here.
const VesselClass* FindVesselClass(const std::string& name);
void AddVesselClass(const VesselClass& vesselClass);
// Forgets a class, so that creating vessels of it fails from then on.
void RemoveVesselClass(const std::string& name);

}  // namespace host
