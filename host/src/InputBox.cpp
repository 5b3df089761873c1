#include "host/InputBox.h"

#include <vector>

#include "host/Diagnostics.h"
#include "plugin/HostServices.h"

namespace host {

namespace {

struct Box {
  InputBoxView view;
  InputCallback callback;
  void* userData;
};

std::optional<Box> openBox;
int boxesOpened = 0;

}  // namespace

std::optional<InputBoxView> OpenInputBox() {
  if (!openBox) return std::nullopt;
  return openBox->view;
}

std::optional<bool> AnswerInputBox(const std::string& text) {
  if (!openBox) return std::nullopt;
  const Box box = *openBox;
  const int opened = boxesOpened;
  // The callback gets its own writable, NUL-terminated copy of the text.
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  const bool accepted = box.callback(nullptr, buffer.data(), box.userData);
  // A callback may open a box of its own, which then stays.
  if (accepted && boxesOpened == opened) openBox.reset();
  return accepted;
}

bool CancelInputBox() {
  const bool wasOpen = openBox.has_value();
  openBox.reset();
  return wasOpen;
}

}  // namespace host

// The host's signature takes the texts as char*; it only reads them.
// NOLINTNEXTLINE(readability-non-const-parameter)
void oapiOpenInputBox(char* title, InputCallback Clbk, char* buf, int vislen, void* usrdata) {
  if (Clbk == nullptr) {
    host::Report("oapiOpenInputBox: no callback");
    return;
  }
  host::openBox =
      host::Box{{title != nullptr ? title : "", buf != nullptr ? buf : "", vislen}, Clbk, usrdata};
  ++host::boxesOpened;
}
