// Recording device contexts without GDI: an HDC is the address of a page
// being recorded, and TextOutA appends to it.
#include "host/PageRecorder.h"

#include <algorithm>
#include <vector>

#include "host/Diagnostics.h"

namespace host {

struct PageRecorder::Impl {
  Page page;
};

namespace {
std::vector<PageRecorder::Impl*> recording;

Page* PageOf(HDC hdc, const char* service) {
  auto* impl = reinterpret_cast<PageRecorder::Impl*>(hdc);
  if (std::find(recording.begin(), recording.end(), impl) != recording.end()) return &impl->page;
  Report(std::string(service) + ": not a device context of the host");
  return nullptr;
}
}  // namespace

PageRecorder::PageRecorder() : impl(std::make_unique<Impl>()) {
  recording.push_back(impl.get());
}

PageRecorder::~PageRecorder() {
  std::erase(recording, impl.get());
}

HDC PageRecorder::Dc() const {
  return reinterpret_cast<HDC>(impl.get());
}

Page PageRecorder::Finish() {
  std::erase(recording, impl.get());
  return std::move(impl->page);
}

void RecordTitle(HDC hdc, const char* title) {
  if (Page* page = PageOf(hdc, "MFD::Title"); page != nullptr && title != nullptr)
    page->title = title;
}

}  // namespace host

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count) {
  host::Page* page = host::PageOf(hdc, "TextOutA");
  if (page == nullptr || text == nullptr || count < 0) return FALSE;
  page->runs.push_back({x, y, std::string(text, static_cast<std::size_t>(count))});
  return TRUE;
}
