// A build without the picture library (cairo): it says so.
#include "picture/Picture.h"

namespace sim {

bool WriteDisplayPicture(int /*number*/, const std::string& /*path*/, std::string& error) {
  error = "this build draws no pictures";
  return false;
}

}  // namespace sim
