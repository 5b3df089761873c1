// Script commands that work a display: open, close and select one, press its
// keys and buttons, read its labels, menu and page, answer its input boxes,
// and draw it, or its jump's plan, as a picture.
#include <climits>
#include <cstdio>
#include <string>

#include "KeyCodes.h"
#include "Picture.h"
#include "PlanPicture.h"
#include "PlanScene.h"
#include "Script.h"
#include "ScriptCommands.h"
#include "host/Displays.h"
#include "host/InputBox.h"

namespace sim {

namespace {

const char* Truth(bool value) {
  return value ? "true" : "false";
}

MFD& DisplayOf(const ScriptContext& context) {
  return *host::DisplayObject(SelectedDisplay(context));
}

int OpenNumber(const std::string& text) {
  const int number = static_cast<int>(IntegerArg(text, "N", 1, 1 << 30));
  if (host::DisplayObject(number) == nullptr)
    throw ScriptError{"display " + std::to_string(number) + " is not open"};
  return number;
}

void Open(ScriptContext& context, const ScriptLine& line) {
  if (line.args.size() == 1) throw ScriptError{"give both W and H, or neither", true};
  ExpectArgCount(line, 0, 2);
  const auto width = static_cast<std::uint32_t>(
      line.args.empty() ? 256 : IntegerArg(line.args[0], "W", 1, 0xFFFF));
  const auto height = static_cast<std::uint32_t>(
      line.args.empty() ? 256 : IntegerArg(line.args[1], "H", 1, 0xFFFF));
  const int number = host::OpenDisplay(displayMode, width, height);
  if (number == 0) throw ScriptError{"the module opened no display"};
  context.selected = number;
  context.out << "display " << number << " open " << width << 'x' << height << '\n';
}

void Close(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 1);
  const int number = line.args.empty() ? SelectedDisplay(context) : OpenNumber(line.args[0]);
  host::CloseDisplay(number);
  context.out << "display " << number << " closed\n";
}

void Select(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 1, 1);
  context.selected = OpenNumber(line.args[0]);
  context.out << "display " << context.selected << " selected\n";
}

void Key(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 1, 1);
  const std::optional<std::uint32_t> code = ParseKeyName(line.args[0]);
  if (!code)
    throw ScriptError{"\"" + line.args[0] + "\" is not a letter, a digit or a hex scan code", true};
  MFD& display = DisplayOf(context);
  context.out << "key " << line.args[0] << " -> " << Truth(display.ConsumeKeyBuffered(*code))
              << '\n';
}

void Button(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 1, 2);
  const int button = static_cast<int>(IntegerArg(line.args[0], "N", INT_MIN, INT_MAX));
  const int event =
      line.args.size() > 1 ? static_cast<int>(IntegerArg(line.args[1], "E", 0, 0xFFFF)) : 1;
  MFD& display = DisplayOf(context);
  context.out << "button " << button << " -> " << Truth(display.ConsumeButton(button, event))
              << '\n';
}

void Label(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 1, 1);
  const int button = static_cast<int>(IntegerArg(line.args[0], "N", INT_MIN, INT_MAX));
  const char* label = DisplayOf(context).ButtonLabel(button);
  context.out << "label " << button << " -> " << (label != nullptr ? label : "(null)") << '\n';
}

void Menu(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 0);
  const MFDBUTTONMENU* entries = nullptr;
  const int count = DisplayOf(context).ButtonMenu(&entries);
  context.out << "menu -> " << count << '\n';
  for (int i = 0; entries != nullptr && i < count; ++i) {
    const MFDBUTTONMENU& entry = entries[i];
    context.out << entry.selchar << " | " << (entry.line1 != nullptr ? entry.line1 : "") << " | "
                << (entry.line2 != nullptr ? entry.line2 : "") << '\n';
  }
}

void Box(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 0);
  if (const std::optional<host::InputBoxView> box = host::OpenInputBox())
    context.out << "box \"" << box->title << "\" len=" << box->visibleLength << '\n';
  else
    context.out << "box none\n";
}

void Input(ScriptContext& context, const ScriptLine& line) {
  JumpWatch watch;  // the plan picture shows where a jump went against its plan
  const std::optional<bool> accepted = host::AnswerInputBox(line.rest);
  if (!accepted) throw ScriptError{"no input box is open"};
  watch.Answered(context.selected);
  context.out << "input -> " << Truth(*accepted) << '\n';
}

void Cancel(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 0);
  if (!host::CancelInputBox()) throw ScriptError{"no input box is open"};
  context.out << "cancelled\n";
}

void PageCommand(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 0);
  const host::Page page = host::DrawDisplay(SelectedDisplay(context));
  context.out << "page\ntitle " << page.title << '\n';
  for (const host::TextRun& run : page.runs)
    context.out << run.y << ' ' << run.x << ' ' << run.text << '\n';
  context.out << "end\n";
}

void Png(ScriptContext& context, const ScriptLine& line) {
  const std::string path = NameArg(line);
  std::string error;
  if (!WriteDisplayPicture(SelectedDisplay(context), path, error)) throw ScriptError{error};
  context.out << "png " << path << '\n';
}

void PlanCommand(ScriptContext& context, const ScriptLine& line) {
  const std::string path = NameArg(line);
  std::string error;
  if (!WritePlanPicture(SelectedDisplay(context), path, error)) throw ScriptError{error};
  context.out << "plan " << path << '\n';
}

constexpr Command commands[] = {
    {"open", "open [W H]", Open},
    {"close", "close [N]", Close},
    {"select", "select N", Select},
    {"key", "key K", Key},
    {"button", "button N [E]", Button},
    {"label", "label N", Label},
    {"menu", "menu", Menu},
    {"box", "box", Box},
    {"input", "input TEXT", Input},
    {"cancel", "cancel", Cancel},
    {"page", "page", PageCommand},
    {"png", "png FILE", Png},
    {"plan", "plan FILE", PlanCommand},
};

}  // namespace

std::span<const Command> DisplayCommands() {
  return commands;
}

}  // namespace sim
