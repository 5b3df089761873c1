// The plan of a display's jump as a picture a pilot reads at a glance: a map
// to scale of the path, its ten samples, the ship, the target, the bodies
// that matter and, for an unsafe jump, where it can scatter to; after a jump,
// where the ship landed; and a strip chart of the pull along the path.
#pragma once

#include <string>

namespace sim {

// Writes display `number`'s plan as a PNG file; false with `error` set when
// it cannot, also in a build without pictures.
bool WritePlanPicture(int number, const std::string& path, std::string& error);

}  // namespace sim
