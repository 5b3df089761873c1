// Recording device contexts with GDI: a display draws into an
// enhanced-metafile device context, and the page is read back from the
// metafile's text records, so it holds what GDI was really asked to draw.
#include "host/PageRecorder.h"

#include <algorithm>
#include <cstdint>

#include "MetafileText.h"
#include "host/Diagnostics.h"

namespace host {

struct PageRecorder::Impl {
  HDC dc = nullptr;
  std::string title;
};

namespace {

std::vector<PageRecorder::Impl*> recording;

// The code page in which the device context turns single-byte text into
// characters: that of its font's character set.
UINT CodePageOf(HDC dc) {
  CHARSETINFO info{};
  const auto charset = static_cast<std::uintptr_t>(GetTextCharset(dc));
  if (TranslateCharsetInfo(reinterpret_cast<DWORD*>(charset), &info, TCI_SRCCHARSET))
    return info.ciACP;
  return CP_ACP;
}

}  // namespace

PageRecorder::PageRecorder() : impl(std::make_unique<Impl>()) {
  // A memory metafile with the screen as reference device.
  impl->dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  if (impl->dc == nullptr) Report("page recording: CreateEnhMetaFile failed");
  recording.push_back(impl.get());
}

PageRecorder::~PageRecorder() {
  std::erase(recording, impl.get());
  if (impl->dc != nullptr) DeleteEnhMetaFile(CloseEnhMetaFile(impl->dc));
}

HDC PageRecorder::Dc() const {
  return impl->dc;
}

Page PageRecorder::Finish() {
  std::erase(recording, impl.get());
  Page page;
  page.title = std::move(impl->title);
  if (impl->dc == nullptr) return page;
  const UINT codePage = CodePageOf(impl->dc);
  HENHMETAFILE metafile = CloseEnhMetaFile(impl->dc);
  impl->dc = nullptr;
  if (metafile == nullptr) {
    Report("page recording: CloseEnhMetaFile failed");
    return page;
  }
  page.runs = TextRunsOf(metafile, codePage);
  DeleteEnhMetaFile(metafile);
  return page;
}

void RecordTitle(HDC hdc, const char* title) {
  auto it = std::find_if(recording.begin(), recording.end(),
                         [hdc](const PageRecorder::Impl* impl) { return impl->dc == hdc; });
  if (it == recording.end() || hdc == nullptr) {
    Report("MFD::Title: not a device context of the host");
    return;
  }
  if (title != nullptr) (*it)->title = title;
}

}  // namespace host
