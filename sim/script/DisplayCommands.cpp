// Script commands that work a display: open, close and select one, press its
// keys and buttons, read its labels, menu and page, answer its input boxes,
// tell what came of the answers, and draw it, or its jump's plan, as a
// picture.
#include <string>

#include "common/SimDefaults.h"
#include "common/Utf8Text.h"
#include "display/DisplayLayout.h"
#include "display/KeyCodes.h"
#include "flight/PromptAnswer.h"
#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/Simulation.h"
#include "picture/Picture.h"
#include "plan/PlanPicture.h"
#include "script/ScriptCommands.h"
#include "script/ScriptRunner.h"

namespace sim {

namespace {

const char* Truth(bool value) {
  return value ? "true" : "false";
}

MFD& DisplayOf(const ScriptContext& context) {
  return *host::DisplayObject(SelectedDisplay(context));
}

// Buttons count from 1, as the cockpit labels them: 1 to 6 down the left
// side, 7 to 12 down the right. The display counts from 0.
int ButtonIndex(const std::string& text) {
  constexpr int buttons = 2 * buttonsPerSide;
  return static_cast<int>(IntegerArg(text, "N", 1, buttons)) - 1;
}

// The input box a key or button opened belongs to the display pressed.
void NotePrompt(ScriptContext& context) {
  if (host::OpenInputBox()) context.promptDisplay = context.selected;
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
      line.args.empty() ? defaultDisplaySize : IntegerArg(line.args[0], "W", 1, 0xFFFF));
  const auto height = static_cast<std::uint32_t>(
      line.args.empty() ? defaultDisplaySize : IntegerArg(line.args[1], "H", 1, 0xFFFF));
  const int number = host::OpenDisplay(displayMode, width, height);
  if (number == 0) throw ScriptError{"the module opened no display"};
  context.selected = number;
  context.out << "display " << number << " open " << width << 'x' << height << '\n';
}

void Close(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 1);
  const int number = line.args.empty() ? SelectedDisplay(context) : OpenNumber(line.args[0]);
  host::CloseDisplay(number);
  if (number == context.promptDisplay) context.promptDisplay = closedDisplay;
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
    throw ScriptError{QuotedText(line.args[0]) + " is not a letter, a digit or a hex scan code",
                      true};
  const bool consumed = DisplayOf(context).ConsumeKeyBuffered(*code);
  NotePrompt(context);
  context.out << "key " << line.args[0] << " -> " << Truth(consumed) << '\n';
}

void Button(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 1, 2);
  const int button = ButtonIndex(line.args[0]);
  const int event =
      line.args.size() > 1 ? static_cast<int>(IntegerArg(line.args[1], "E", 0, 0xFFFF)) : 1;
  const bool consumed = DisplayOf(context).ConsumeButton(button, event);
  NotePrompt(context);
  context.out << "button " << line.args[0] << " -> " << Truth(consumed) << '\n';
}

void Label(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 1, 1);
  const char* label = DisplayOf(context).ButtonLabel(ButtonIndex(line.args[0]));
  context.out << "label " << line.args[0] << " -> " << (label != nullptr ? label : "(null)")
              << '\n';
}

// As the pilot's menu key opens it: the host reads the rows itself.
void Menu(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 0);
  const std::vector<host::MenuRow> rows = host::DisplayMenu(SelectedDisplay(context));
  context.out << "menu -> " << rows.size() << '\n';
  for (const host::MenuRow& row : rows)
    context.out << row.key << " | " << row.line1 << " | " << row.line2 << '\n';
}

void Box(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 0);
  if (const std::optional<host::InputBoxView> box = host::OpenInputBox())
    context.out << "box \"" << box->title << "\" len=" << box->visibleLength << '\n';
  else
    context.out << "box none\n";
}

void Input(ScriptContext& context, const ScriptLine& line) {
  // A box outlives the display that asked (closed, or reopened on a new
  // focus vessel): the host still takes the answer, which goes nowhere.
  const bool askerGone = context.promptDisplay == closedDisplay;
  const std::optional<PromptAnswer> answer =
      AnswerPrompt(askerGone ? 0 : context.promptDisplay, line.rest);
  if (!answer) throw ScriptError{"no input box is open"};
  context.Tell(askerGone && answer->accepted
                   ? "answered \"" + line.rest + "\": dropped, the display that asked has closed"
                   : answer->event);
  context.out << "input -> " << Truth(answer->accepted) << '\n';
}

void Cancel(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 0);
  if (!host::CancelInputBox()) throw ScriptError{"no input box is open"};
  context.Tell("prompt cancelled");
  context.out << "cancelled\n";
}

void Events(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 0);
  context.out << "events -> " << context.events.size();
  if (context.eventsDropped > 0)
    context.out << " (the newest; " << context.eventsDropped << " before them not kept)";
  context.out << '\n';
  for (const std::string& event : context.events) context.out << event << '\n';
  context.events.clear();
  context.eventsDropped = 0;
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
    {"open", "open [W H]", "open a display (256 x 256 unless given)", "open 400 200", Open},
    {"close", "close [N]", "close display N, or the selected one", "close 2", Close, "open"},
    {"select", "select N", "select display N for keys and buttons", "select 2", Select, "open"},
    {"key", "key K", "press a key: letter, digit or hex scan code", "key T", Key},
    {"button", "button N [E]", "press button N, 1 to 12; E: event (1: press)", "button 1", Button},
    {"label", "label N", "the label of button N", "label 1", Label},
    {"menu", "menu", "the button menu, as the menu key (`) opens it", "menu", Menu},
    {"box", "box", "the open input box: title and length", "box", Box},
    {"input", "input TEXT", "answer the input box with TEXT, as typed", "input Moon", Input,
     "key T"},
    {"cancel", "cancel", "close the input box without an answer", "cancel", Cancel, "key T"},
    {"page", "page", "the page's text runs: y, x and text", "page", PageCommand},
    {"events", "events", "what happened since the last events", "events", Events},
    {"png", "png FILE", "draw the selected display as a PNG picture", "png display.png", Png},
    {"plan", "plan FILE", "draw the selected display's jump plan", "plan plan.png", PlanCommand},
};

}  // namespace

std::span<const Command> DisplayCommands() {
  return commands;
}

}  // namespace sim
