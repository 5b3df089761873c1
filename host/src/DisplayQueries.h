// What a display asks of the host while it draws its page, which the host
// keeps for whoever reads the display as a pilot would.
#pragma once

#include "plugin/HostTypes.h"

namespace host {

// The display being drawn, if any, asked where `object` lies relative to
// the focus vessel.
void NoteRelativeQuery(ObjectHandle object);

}  // namespace host
