#include "flight/EventText.h"

#include "host/Formatted.h"

namespace sim {

std::string EventText(double simTime, const std::string& what) {
  return host::Formatted("t=%.2fs ", simTime) + what;
}

}  // namespace sim
