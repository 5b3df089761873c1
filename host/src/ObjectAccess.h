// Handle checks shared by the host's services: every handle a plug-in passes
// is looked up, and a null, unknown or stale one is refused and reported.
#pragma once

#include "host/Diagnostics.h"
#include "host/World.h"

namespace host {

inline Object* LiveObject(ObjectHandle handle, const char* service) {
  World& world = TheWorld();
  if (Object* object = world.Find(handle)) return object;
  if (world.IsStale(handle))
    ReportStaleHandle(service);
  else
    Report(std::string(service) + (handle == nullptr ? ": null handle" : ": unknown handle"));
  return nullptr;
}

}  // namespace host
