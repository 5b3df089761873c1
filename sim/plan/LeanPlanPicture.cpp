// A build without the picture library (cairo): no plan picture either.
#include "picture/Picture.h"
#include "plan/PlanPicture.h"

namespace sim {

bool WritePlanPicture(int number, const std::string& path, std::string& error) {
  return WriteDisplayPicture(number, path, error);
}

}  // namespace sim
