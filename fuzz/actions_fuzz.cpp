// Fuzzes whatever a pilot and the host can do to open Jaunt displays, in any
// order, with the invariants checked after every action.
//
// Input: four bytes of calendar time for the jump generator, then actions,
// each an opcode byte (taken modulo the number of actions) and its operands:
//   0 key      display, code (below 0xF0: one of the display's keys, else a
//              32-bit code follows)
//   1 button   display, button (below 0x80: -1 to 6, else a 32-bit number
//              follows), event (signed byte)
//   2 answer   to the open input box: below 0xE0 one of the texts below,
//              else a text (length byte, bytes)
//   3 cancel   the open input box
//   4 step     one time step of a duration from the table below
//   5 open     a display of width and height 2 * byte + 1
//   6 close    display
//   7 focus    on vessel (index modulo vessels + 1; the last is none)
//   8 remove   object (0xFF: the first open display's target, else index
//              modulo bodies + vessels)
//   9 reload   the module's unload and load notifications
//  10 labels   display, button (signed byte): its label and the menu
// A display operand picks one of the open displays, modulo their number.
// With JAUNT_FUZZ_TRACE set, each action is traced on stderr.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ByteReader.h"
#include "FuzzWorld.h"
#include "Invariants.h"
#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/World.h"

namespace {

using fuzz::ByteReader;

constexpr DWORD keys[] = {OAPI_KEY_W, OAPI_KEY_T, OAPI_KEY_D, OAPI_KEY_V, OAPI_KEY_N};
constexpr double steps[] = {0, 0.01, 0.1, 1, 10, 60};
const char* const answers[] = {
    "",      "y",           "Y",        "n",     "yes", "Earth", "Moon",      "Sun",    "ISS",
    "GL-01", "jaunt_dummy", "earth",    "%10",   "%0",  "%100",  "%100.0001", "%",      "%-1",
    "K100",  "k1",          "M5",       "G1",    "A1",  "a0.5",  "K",         "1e6",    "0",
    "-0",    "-1",          "1e308",    "1e309", "nan", "inf",   "-inf",      "1e-320", "30",
    "-30",   "1e305",       "0x1p1023", "12abc", " 7",  "Q5",    "%1e-300",
};
constexpr std::size_t maxActions = 256;

// The open display an operand byte picks, or 0 when none is open.
int PickDisplay(std::uint8_t pick) {
  const std::vector<int> open = host::OpenDisplays();
  return open.empty() ? 0 : open[pick % open.size()];
}

ObjectHandle PickObject(std::uint8_t pick) {
  host::World& world = host::TheWorld();
  const std::size_t bodies = world.Bodies().size();
  const std::size_t all = bodies + world.Vessels().size();
  if (all == 0) return nullptr;
  const std::size_t i = pick % all;
  return i < bodies ? world.Bodies()[i] : world.Vessels()[i - bodies];
}

ObjectHandle PickFocus(std::uint8_t pick) {
  const std::vector<ObjectHandle>& vessels = host::TheWorld().Vessels();
  const std::size_t i = pick % (vessels.size() + 1);
  return i < vessels.size() ? vessels[i] : nullptr;
}

ObjectHandle FirstTarget() {
  for (int number : host::OpenDisplays())
    if (const JauntMFD* display = fuzz::Jaunt(number); display->target != nullptr)
      return display->target;
  return nullptr;
}

void Key(ByteReader& in) {
  const int number = PickDisplay(in.Byte());
  const std::uint8_t code = in.Byte();
  const std::uint32_t key = code < 0xF0 ? keys[code % std::size(keys)] : in.Word();
  if (number != 0) fuzz::Jaunt(number)->ConsumeKeyBuffered(key);
}

void Button(ByteReader& in) {
  const int number = PickDisplay(in.Byte());
  const std::uint8_t pick = in.Byte();
  const int button = pick < 0x80 ? pick % 8 - 1 : static_cast<int>(in.Word());
  const int event = static_cast<std::int8_t>(in.Byte());
  if (number != 0) fuzz::Jaunt(number)->ConsumeButton(button, event);
}

void Answer(ByteReader& in) {
  const std::uint8_t pick = in.Byte();
  const std::string text = pick < 0xE0 ? answers[pick % std::size(answers)] : in.Text();
  host::AnswerInputBox(text);
}

void Labels(ByteReader& in) {
  const int number = PickDisplay(in.Byte());
  const int button = static_cast<std::int8_t>(in.Byte());
  if (number == 0) return;
  JauntMFD* display = fuzz::Jaunt(number);
  // A button shows three characters at most.
  if (const char* label = display->ButtonLabel(button); label != nullptr && std::strlen(label) > 3)
    fuzz::Breach(std::string("button label too long: ") + label);
  const MFDBUTTONMENU* menu = nullptr;
  if (display->ButtonMenu(&menu) > 0 && menu == nullptr) fuzz::Breach("menu entries missing");
}

void ActOn(int opcode, ByteReader& in) {
  switch (opcode) {
    case 0:
      Key(in);
      break;
    case 1:
      Button(in);
      break;
    case 2:
      Answer(in);
      break;
    case 3:
      host::CancelInputBox();
      break;
    case 4:
      fuzz::Step(steps[in.Byte() % std::size(steps)]);
      break;
    case 5: {
      const std::uint32_t width = 2u * in.Byte() + 1;
      host::OpenDisplay("Jaunt", width, 2u * in.Byte() + 1);
      break;
    }
    case 6:
      if (const int number = PickDisplay(in.Byte()); number != 0) host::CloseDisplay(number);
      break;
    case 7:
      host::ChangeFocus(PickFocus(in.Byte()));
      break;
    case 8: {
      const std::uint8_t pick = in.Byte();
      host::TheWorld().Remove(pick == 0xFF ? FirstTarget() : PickObject(pick));
      break;
    }
    case 9:
      opcDLLExit(nullptr);
      opcDLLInit(nullptr);
      break;
    default:
      Labels(in);
      break;
  }
}

// One line per action: its opcode, the open displays, the vessels and the
// open input box.
void Trace(int opcode) {
  std::fprintf(stderr, "action %2d: displays %zu, vessels", opcode, host::OpenDisplays().size());
  for (ObjectHandle vessel : host::TheWorld().Vessels())
    std::fprintf(stderr, " %s", host::TheWorld().Find(vessel)->name.c_str());
  const auto box = host::OpenInputBox();
  std::fprintf(stderr, "; box: %s\n", box ? box->title.c_str() : "none");
}

void Act(ByteReader& in, bool trace) {
  const int opcode = in.Byte() % 11;
  ActOn(opcode, in);
  if (trace) Trace(opcode);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  fuzz::StartModule();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  fuzz::ResetWorld(in.Word());
  fuzz::CheckAfterAction();
  static const bool trace = std::getenv("JAUNT_FUZZ_TRACE") != nullptr;
  for (std::size_t n = 0; n < maxActions && !in.AtEnd(); ++n) {
    Act(in, trace);
    fuzz::CheckAfterAction();
  }
  fuzz::SettleAndCheck();
  return 0;
}
