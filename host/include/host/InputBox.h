// The host's input box: one at a time; a new one replaces an open one.
#pragma once

#include <optional>
#include <string>

namespace host {

struct InputBoxView {
  std::string title;
  std::string initialText;
  int visibleLength;
};

std::optional<InputBoxView> OpenInputBox();
// Hands `text` to the open box's callback. A true result closes the box, a
// false one keeps it open for another try. Empty when no box is open.
std::optional<bool> AnswerInputBox(const std::string& text);
// Closes the open box without calling back; false when none was open.
bool CancelInputBox();

}  // namespace host
