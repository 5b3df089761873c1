// Answering a display's input box as a pilot does, and telling the pilot
// what came of it: the setting as the page now shows it, the target now set,
// or how the jump went. Everything told is read back from the page the
// display draws after the answer and from the world, so that a misread
// answer shows at once.
#pragma once

#include <optional>
#include <string>

namespace sim {

struct PromptAnswer {
  bool accepted;      // the box took the answer and closed
  std::string event;  // for instance: answered "50K": distance 50.0 m
};

// Hands `text` to the open input box, which display `number` opened (0 when
// that is not known), and tells what came of it. Empty when no box is open.
std::optional<PromptAnswer> AnswerPrompt(int number, const std::string& text);

}  // namespace sim
