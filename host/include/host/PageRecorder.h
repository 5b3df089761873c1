// A device context that records what a display draws on it: the title and
// each run of text with its device coordinates, in drawing order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "plugin/Platform.h"

namespace host {

struct TextRun {
  int x;
  int y;
  std::string text;
  bool operator==(const TextRun&) const = default;
};

struct Page {
  std::string title;
  std::vector<TextRun> runs;
};

class PageRecorder {
 public:
  PageRecorder();
  ~PageRecorder();
  PageRecorder(const PageRecorder&) = delete;
  PageRecorder& operator=(const PageRecorder&) = delete;

  HDC Dc() const;
  // What was drawn since construction; the recorder is spent afterwards.
  Page Finish();

  struct Impl;  // the platform's recording surface

 private:
  std::unique_ptr<Impl> impl;
};

// Draws a display's title on a recording device context.
void RecordTitle(HDC hdc, const char* title);

}  // namespace host
