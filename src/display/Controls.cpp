// Keys and buttons of the Jaunt display. Each control is one row: its
// button label, its menu entry and the key it stands for; a button press
// goes through the key of its row.
#include "display/JauntMFD.h"
#include "display/TextFormat.h"
#include "jump/ConfirmAnswer.h"
#include "planning/InputPrompts.h"

namespace {

// The answer to a question that offered no jump: whatever it is, none is
// made, even if the world has changed meanwhile.
bool OnNoJumpAnswered(void* /*id*/, char* /*text*/, void* /*userData*/) {
  return true;
}

// The question quotes a figure only for the jump the refresh has just
// planned. When none can be planned (the target is lost, there is no focus
// vessel, or the final distance is not below the present one), the figure
// left from before belongs to another plan: the question says no jump can
// be made, and its answer makes none. The page keeps what it showed.
void AskJumpConfirmation(JauntMFD& display) {
  const bool planned =
      display.UpdateTarget(display.SelectedTargetName(), false) && display.RefreshEstimate();
  display.lastJumpSafe = true;
  if (!planned) {
    char question[] = "No jaunt can be made with these settings (y/n)";
    oapiOpenInputBox(question, OnNoJumpAnswered, nullptr, 3, display.InputToken());
    return;
  }
  char question[100];
  FormatText(question, sizeof question, "Probability of safe jaunt: %.1f%% Proceed? (y/n)",
             (1 - display.failureChance) * 100);
  oapiOpenInputBox(question, OnConfirmEntered, nullptr, 3, display.InputToken());
}

void DropTarget(JauntMFD& display) {
  display.UpdateTarget(noTargetName, true);
}
void AskTarget(JauntMFD& display) {
  OpenTargetPrompt(display);
}
void AskDistance(JauntMFD& display) {
  OpenDistancePrompt(display);
}
void AskSpeed(JauntMFD& display) {
  OpenSpeedPrompt(display);
}

struct Control {
  const char* label;
  MFDBUTTONMENU menu;
  DWORD key;  // DirectInput scan code
  void (*action)(JauntMFD&);
};

constexpr Control controls[] = {
    {"TGT",
     {"<- Select target, final distance", "  to target, and final velocity.", 'T'},
     OAPI_KEY_T,
     AskTarget},
    {"NT", {"<- No target. Trajectory in the", "  ship direction.", 'N'}, OAPI_KEY_N, DropTarget},
    {"DIS",
     {"<- Distance to travel w/o target", "  or final distance to target.", 'D'},
     OAPI_KEY_D,
     AskDistance},
    {"VEL",
     {"<- Select final velocity in km/s", " (will be in ship direction)", 'V'},
     OAPI_KEY_V,
     AskSpeed},
    {"JNT", {"<- Do the hyperspace jump", nullptr, 'W'}, OAPI_KEY_W, AskJumpConfirmation},
};
constexpr int controlCount = sizeof controls / sizeof controls[0];

// The host takes the menu as one array of entries.
struct Menu {
  MFDBUTTONMENU entries[controlCount];
};
constexpr Menu menu = [] {
  Menu built{};
  for (int i = 0; i < controlCount; ++i) built.entries[i] = controls[i].menu;
  return built;
}();

const Control* ControlOfButton(int button) {
  if (button < 0 || button >= controlCount) return nullptr;
  return &controls[button];
}

}  // namespace

bool JauntMFD::ConsumeKeyBuffered(DWORD key) {
  for (const Control& control : controls) {
    if (control.key == key) {
      control.action(*this);
      return true;
    }
  }
  return false;
}

bool JauntMFD::ConsumeButton(int button, int event) {
  const Control* control = ControlOfButton(button);
  if (control == nullptr || (event & PANEL_MOUSE_LBDOWN) == 0) return false;
  ConsumeKeyBuffered(control->key);
  return true;
}

char* JauntMFD::ButtonLabel(int button) {
  const Control* control = ControlOfButton(button);
  // The host's signature asks for char*; it only reads the label.
  return control != nullptr ? const_cast<char*>(control->label) : nullptr;
}

int JauntMFD::ButtonMenu(const MFDBUTTONMENU** entries) const {
  if (entries != nullptr) *entries = menu.entries;
  return controlCount;
}
