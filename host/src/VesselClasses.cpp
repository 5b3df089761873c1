#include "host/VesselClasses.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "ShippedClassFiles.h"

namespace host {

namespace {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<VesselClass>& Classes() {
  static std::vector<VesselClass> classes = [] {
    std::vector<VesselClass> shipped;
    for (const ClassFile& file : shippedClassFiles)
      shipped.push_back(ReadVesselClass(file.name, file.text));
    return shipped;
  }();
  return classes;
}

}  // namespace

VesselClass ReadVesselClass(const std::string& name, const std::string& text) {
  VesselClass read{name, 1.0, 1000.0};
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    line = line.substr(0, line.find(';'));
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = Trimmed(line.substr(0, equals));
    const double value = std::strtod(Trimmed(line.substr(equals + 1)).c_str(), nullptr);
    if (key == "Mass") read.mass = value;
    if (key == "Size") read.size = value;
  }
  return read;
}

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
