// Reading back the text that was drawn into an enhanced metafile.
#pragma once

#include <vector>

#include "host/PageRecorder.h"
#include "plugin/Platform.h"

namespace host {

// The metafile's text records, in drawing order, as (x, y, text) runs. GDI
// keeps text as single-byte (EMR_EXTTEXTOUTA) or wide (EMR_EXTTEXTOUTW)
// records, whichever way it was asked to draw; wide text is turned back into
// bytes of `codePage`, the code page the device context drew single-byte
// text in. A record whose text lies outside it is reported and skipped.
std::vector<TextRun> TextRunsOf(HENHMETAFILE metafile, UINT codePage);

}  // namespace host
