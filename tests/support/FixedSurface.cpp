#include "support/FixedSurface.h"

#include <cstdio>
#include <cstring>

#include "plugin/HostMfd.h"

namespace testing_surface {

HDC Begin(Surface& surface) {
  surface.count = 0;
  return reinterpret_cast<HDC>(&surface);
}

}  // namespace testing_surface

void MFD::Title(HDC hdc, const char* title) const {
  auto* surface = reinterpret_cast<testing_surface::Surface*>(hdc);
  std::snprintf(surface->title, sizeof surface->title, "%s", title);
}

BOOL TextOutA(HDC hdc, int /*x*/, int /*y*/, LPCSTR text, int count) {
  auto* surface = reinterpret_cast<testing_surface::Surface*>(hdc);
  if (surface->count == 16 || count < 0 || count >= 100) return FALSE;
  std::memcpy(surface->lines[surface->count], text, static_cast<std::size_t>(count));
  surface->lines[surface->count++][count] = '\0';
  return TRUE;
}
