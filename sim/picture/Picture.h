// The display as a picture: a dark screen with green text where the page
// put it, the title on top and the button labels on the frame.
#pragma once

#include <string>

namespace sim {

// Writes display `number` (which must be open) as a PNG file; false with
// `error` set when it cannot, also in a build without pictures.
bool WriteDisplayPicture(int number, const std::string& path, std::string& error);

}  // namespace sim
