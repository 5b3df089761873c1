// The cockpit in a terminal, with ncurses. Each frame draws the display and
// the panel, takes the keys typed since the last frame, and moves the world
// on by the real time that passed, scaled by the time acceleration. The
// steps are made on a thread of their own: while one runs, the cockpit
// still quits, and says that the world is behind.
#define NCURSES_WIDECHAR 1
#include "cockpit/Cockpit.h"

#include <curses.h>
#include <langinfo.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <deque>

#include "cockpit/CockpitHelp.h"
#include "cockpit/FlightPanel.h"
#include "cockpit/PaceMeter.h"
#include "cockpit/TerminalCheck.h"
#include "cockpit/WorldStepper.h"
#include "common/HostReports.h"
#include "common/SimDefaults.h"
#include "common/Utf8Text.h"
#include "display/DisplayLayout.h"
#include "display/KeyCodes.h"
#include "flight/EventText.h"
#include "flight/HoldWatch.h"
#include "flight/PromptAnswer.h"
#include "host/Displays.h"
#include "host/Formatted.h"
#include "host/InputBox.h"
#include "host/Simulation.h"

namespace sim {

namespace {

constexpr int frameMilliseconds = 50;
constexpr double stepSeconds = defaultTimeStep;  // simulated per step at 1x
constexpr int maxStepsPerFrame = 8;  // beyond this the world falls behind, not the screen
constexpr double slowest = 0.1, fastest = 100000;
constexpr double behindAfter = 0.25;   // s a step may take before the cockpit says it is behind
constexpr std::size_t keysKept = 256;  // typed while a step runs, handled after it
constexpr int labelWidth = 7;          // "1 TGT " and a blank before the frame
constexpr int displayTop = 2;          // below the status line and a blank one
// The display's frame, one width for the whole flight: the widest line of
// an everyday page ("Curr. distance: 361.13 Mm (0.002 AU)" from column 2).
// A longer line is cut, its end marked on the frame.
constexpr int frameColumns = 38;
constexpr int rowsBelow = 1;     // under the frame, for a page's line below the display
constexpr int panelGap = 3;      // between the right-hand button labels and the panel
constexpr int panelWidth = 49;   // its date line, the widest that is always there
constexpr int promptRows = 3;    // the prompt's title, the answer being typed, the hint
constexpr int eventIndent = 11;  // where an event's text starts in the panel
constexpr short screenColours = 1;
constexpr int keyEscape = 27;
constexpr std::size_t eventsShown = 5;
constexpr int endingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// The signal that ends the cockpit; 0 while none has come.
volatile std::sig_atomic_t endingSignal = 0;
void OnSignal(int signal) {
  endingSignal = signal;
}

// The columns a character takes in the terminal: a control as one (it is
// never drawn as itself), a wide one as two.
int ColumnsOf(char32_t code) {
  if (IsControlCharacter(code)) return 1;
  const int columns = wcwidth(static_cast<wchar_t>(code));
  return columns < 0 ? 1 : columns;
}

// `text` in at most `columns` columns: cut when longer, in which case `cut`
// is set, and padded with blanks to the full width when `pad` is. Controls
// and bytes that are not UTF-8 show as '?', a byte for a byte.
std::string FitColumns(const std::string& text, int columns, bool* cut, bool pad) {
  std::string fitted;
  int used = 0;
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Character character = CharacterAt(text, i);
    const bool shown = character.length > 0 && !IsControlCharacter(character.code);
    const int width = shown ? ColumnsOf(character.code) : 1;
    if (used + width > columns) {
      if (cut != nullptr) *cut = true;
      break;
    }
    fitted += shown ? text.substr(i, character.length) : std::string("?");
    used += width;
    i += character.length > 0 ? character.length : 1;
  }
  if (pad) fitted.append(static_cast<std::size_t>(columns - used), ' ');
  return fitted;
}

std::string CutColumns(const std::string& text, int columns) {
  return FitColumns(text, columns, nullptr, false);
}

std::string Utf8Of(char32_t code) {
  std::string text;
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | code >> 6);
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | code >> 12);
    text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | code >> 18);
    text += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
  return text;
}

// A key as the terminal gives it: a character, or a function key such as
// KEY_RESIZE.
struct Key {
  bool function;
  char32_t code;
};

// The next key typed, if any comes within the terminal's timeout.
std::optional<Key> ReadKey() {
  wint_t code;
  const int got = get_wch(&code);
  if (got == ERR) return std::nullopt;
  return Key{got == KEY_CODE_YES, static_cast<char32_t>(code)};
}

// ncurses for the cockpit's lifetime; the terminal is restored however the
// cockpit ends. Names and answers are UTF-8, whatever the locale says.
class Terminal {
 public:
  Terminal() {
    std::setlocale(LC_CTYPE, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
    initscr();
    cbreak();
    noecho();
    keypad(stdscr, TRUE);
    curs_set(0);
    set_escdelay(25);
    timeout(frameMilliseconds);
    if (has_colors()) {
      start_color();
      init_pair(screenColours, COLOR_GREEN, COLOR_BLACK);
    }
  }
  ~Terminal() { endwin(); }
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;
};

// Text at a place, cut at the screen's right edge instead of wrapping.
void Put(int y, int x, const std::string& text, attr_t attributes = A_NORMAL) {
  if (y < 0 || y >= LINES || x >= COLS) return;
  const std::string shown = CutColumns(text, COLS - x);
  attron(attributes);
  mvaddnstr(y, x, shown.c_str(), static_cast<int>(shown.size()));
  attroff(attributes);
}

// What to type in a box, by what it asks for: the distance's units above all,
// whose letter goes before the number.
std::string PromptHint(const std::string& title) {
  if (title.find("distance") != std::string::npos)
    return "Unit first: K50 is 50 km. K km, M Mm (1000 km), G Gm, A AU, % of the target's "
           "distance; none: m";
  if (title.find("velocity") != std::string::npos)
    return "In km/s: 7.5 is 7,500 m/s, along the ship's axis; a minus sign backwards";
  return "";
}

class Cockpit {
 public:
  Cockpit(int number, WorldStepper& stepper) : number(number), stepper(stepper) {}

  void Run() {
    auto last = std::chrono::steady_clock::now();
    while (!quit && endingSignal == 0) {
      const bool busy = stepper.Busy();
      if (busy) {
        DrawBehind();
      } else {
        while (!waiting.empty() && !quit) {
          Handle(waiting.front());
          waiting.pop_front();
        }
        Notice();
        Draw();
      }
      for (std::optional<Key> key = ReadKey(); key && !quit; key = ReadKey()) {
        if (busy)
          HandleWhileBusy(*key);
        else
          Handle(*key);
        timeout(0);  // take every key already typed before the next frame
      }
      timeout(frameMilliseconds);
      const auto now = std::chrono::steady_clock::now();
      Advance(std::chrono::duration<double>(now - last).count());
      last = now;
    }
  }

 private:
  // Starts this frame's steps; a world that keeps up has made them by the
  // time the frame is drawn.
  void Advance(double realSeconds) {
    pace.Add(realSeconds, stepper.TakeSimulated());
    if (paused || quit || endingSignal != 0) return;
    owed += realSeconds;
    int steps = 0;
    for (; owed >= stepSeconds && steps < maxStepsPerFrame; ++steps) owed -= stepSeconds;
    owed = std::min(owed, stepSeconds);  // what the machine cannot catch up is dropped
    if (stepper.Busy() || steps == 0) return;
    stepper.Start(steps, stepSeconds * timeAcceleration);
    stepper.Wait(std::chrono::milliseconds(frameMilliseconds));
  }

  void Notice() {
    if (std::optional<std::string> event = watch.Check()) Event(*event);
    for (const std::string& report : reports.New()) Event(report);
  }

  void Event(const std::string& what) {
    events.push_back(EventText(host::SimTime(), what));
    if (events.size() > eventsShown) events.erase(events.begin());
  }

  // While a step runs, the world is the stepper's: q quits (outside a
  // prompt, where it is text), and the other keys wait for the step's end.
  void HandleWhileBusy(const Key& key) {
    if (!boxOpen && !key.function && (key.code == 'q' || key.code == 'Q'))
      quit = true;
    else if (key.function && key.code == KEY_RESIZE)
      clear();
    else if (waiting.size() < keysKept)
      waiting.push_back(key);
  }

  void Handle(const Key& key) {
    if (key.function && key.code == KEY_RESIZE) {
      clear();
      return;
    }
    hint.clear();
    const bool letterQ = !key.function && (key.code == 'q' || key.code == 'Q');
    if (tooSmall) {  // nothing of the cockpit shows: only quitting makes sense
      if (letterQ) quit = true;
      return;
    }
    if (host::OpenInputBox()) {
      HandlePrompt(key);
      return;
    }
    MFD* display = host::DisplayObject(number);
    const char32_t c = key.function ? 0 : key.code;
    bool done = true;
    if (letterQ) {
      quit = true;
    } else if (c == ' ') {
      paused = !paused;
      pace.Restart();
    } else if (c == '+' || c == '=') {
      timeAcceleration = std::min(timeAcceleration * 10, fastest);
      pace.Restart();
    } else if (c == '-' || c == '_') {
      timeAcceleration = std::max(timeAcceleration / 10, slowest);
      pace.Restart();
    } else if (c == '?' || c == '`' || (c == keyEscape && help)) {
      help = !help;
    } else if (c >= '1' && c <= '5' && display != nullptr) {
      done = display->ConsumeButton(static_cast<int>(c - '1'), PANEL_MOUSE_LBDOWN);
    } else if (((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) && display != nullptr) {
      const auto code = ScanCodeOf(static_cast<char>(c));
      done = code && display->ConsumeKeyBuffered(*code);
    } else {
      done = false;
    }
    if (!done) hint = UnknownKeyHint(KeyName(key));
  }

  static std::string KeyName(const Key& key) {
    if (!key.function && key.code >= 0x80) return Utf8Of(key.code);
    const char* name = keyname(static_cast<int>(key.code));
    return name != nullptr ? name : "?";
  }

  void HandlePrompt(const Key& key) {
    const char32_t c = key.code;
    if ((!key.function && (c == '\n' || c == '\r')) || (key.function && c == KEY_ENTER)) {
      if (const std::optional<PromptAnswer> answer = AnswerPrompt(number, typed))
        Event(answer->event);
      typed.clear();
    } else if (!key.function && c == keyEscape) {
      host::CancelInputBox();
      Event("prompt cancelled");
      typed.clear();
    } else if ((key.function && c == KEY_BACKSPACE) || (!key.function && (c == 127 || c == '\b'))) {
      // A whole character goes, however many bytes it took.
      while (!typed.empty() && (static_cast<unsigned char>(typed.back()) & 0xC0) == 0x80)
        typed.pop_back();
      if (!typed.empty()) typed.pop_back();
    } else if (!key.function && !IsControlCharacter(c)) {
      typed += Utf8Of(c);
    }
  }

  // The size the cockpit needs, the same for the whole flight.
  static int NeededColumns() { return PanelLeft() + panelWidth; }
  static int NeededRows() { return PromptTop() + promptRows; }
  // The frame and its right-hand border, a blank, the right-hand button labels.
  static int PanelLeft() { return labelWidth + frameColumns + 1 + 2 + 4 + panelGap; }
  static int PromptTop() { return displayTop + defaultDisplaySize / cellHeight + 2 + rowsBelow; }

  void Draw() {
    erase();
    MFD* display = host::DisplayObject(number);
    tooSmall = COLS < NeededColumns() || LINES < NeededRows();
    if (tooSmall) {
      DrawTooSmall();
    } else {
      DrawStatus();
      // The prompt right under the frame, and the line below the display
      // when there is one.
      int promptTop = PromptTop() - rowsBelow;
      if (display != nullptr)
        promptTop += DrawDisplay(*display);
      else
        Put(displayTop, 0, "(no display open)");
      DrawPanel(displayTop, PanelLeft(), promptTop);
      DrawPrompt(promptTop);
    }
    refresh();
  }

  void DrawStatus() {
    move(0, 0);
    clrtoeol();
    Put(0, 0, "jaunt-sim cockpit    ? help   q quit", A_BOLD);
    if (!hint.empty()) Put(0, 40, hint, A_STANDOUT);
  }

  // A step has run long: the status line says so, over the last frame.
  void DrawBehind() {
    const double taken = stepper.BusyFor();
    if (taken < behindAfter || tooSmall) return;
    move(0, 0);
    clrtoeol();
    Put(0, 0, "jaunt-sim cockpit", A_BOLD);
    Put(0, 21,
        host::Formatted("behind: a time step has taken %.1f s so far; %s", taken,
                        boxOpen ? "keys wait for it" : "q quits, other keys wait"),
        A_STANDOUT);
    refresh();
  }

  void DrawTooSmall() {
    Put(0, 0, "jaunt-sim: the terminal is too small", A_BOLD);
    Put(1, 0,
        host::Formatted("It is %dx%d; the cockpit needs %dx%d.", COLS, LINES, NeededColumns(),
                        NeededRows()));
    Put(2, 0, "Enlarge it, or press q to quit.");
  }

  // The display with its frame and button labels from `displayTop`: the
  // page's rows inside the frame, a line below the display's height under
  // it, marked; with help asked for, the help takes the page's place. A
  // line too long for the frame is cut, and the frame beside it shows '>'.
  // Returns the rows drawn under the frame.
  int DrawDisplay(MFD& display) {
    const host::MfdFields fields = host::FieldsOf(display);
    const int height = static_cast<int>(fields.height);
    const int rows = height / cellHeight;
    const host::Page page = host::DrawDisplay(number);
    std::vector<std::string> lines = PageGrid(page, 0, rows + rowsBelow);
    const bool more = PageOverflow(page, height) > rowsBelow * cellHeight;
    const int frameLeft = labelWidth, frameRight = frameLeft + frameColumns + 1;
    const attr_t screen = has_colors() ? COLOR_PAIR(screenColours) : A_NORMAL;
    const std::string border = "+" + std::string(frameColumns, '-') + "+";
    std::string top = border;
    if (help) {
      const std::vector<std::string> text = HelpLines(host::DisplayMenu(number));
      const std::string heading = " " + text.front() + " ";
      if (heading.size() + 3 <= top.size()) top.replace(2, heading.size(), heading);
      for (std::size_t row = 0; row < lines.size(); ++row)
        lines[row] = row + 1 < text.size() ? text[row + 1] : std::string();
    }
    Put(displayTop, frameLeft, top, help ? A_BOLD : A_NORMAL);
    Put(displayTop + rows + 1, frameLeft, border);
    int drawnBelow = 0;
    for (int row = 0; row < rows + rowsBelow; ++row) {
      const bool below = row >= rows;
      const int y = displayTop + 1 + row + (below ? 1 : 0);
      bool cut = false;
      std::string& text = lines[static_cast<std::size_t>(row)];
      text.erase(text.find_last_not_of(' ') + 1);  // the grid is as wide as its widest line
      const std::string line = FitColumns(text, frameColumns, &cut, true);
      if (below && line.find_first_not_of(' ') == std::string::npos && !more) continue;
      drawnBelow += below ? 1 : 0;
      if (below && !help)
        Put(y, 0, more && row + 1 == rows + rowsBelow ? "below+" : "below", A_BOLD);
      Put(y, frameLeft, below && !help ? ":" : "|");
      Put(y, frameLeft + 1, line, screen);
      if (cut)
        Put(y, frameRight, ">", A_BOLD);
      else
        Put(y, frameRight, below && !help ? ":" : "|");
    }
    if (!help)
      Put(displayTop + 1, frameLeft + 1, CutColumns(page.title, frameColumns), screen | A_BOLD);
    for (int button = 0; button < 2 * buttonsPerSide; ++button) {
      const char* label = display.ButtonLabel(button);
      if (label == nullptr) continue;
      const int row = displayTop + 1 + ButtonY(button, height) / cellHeight;
      if (button < buttonsPerSide) {
        Put(row, 0, host::Formatted("%d %-4.4s", button + 1, label), A_BOLD);
      } else {
        Put(row, frameRight + 2, label, A_BOLD);
      }
    }
    return drawnBelow;
  }

  // The panel from row `top` down to above row `bottom`; long events wrap.
  void DrawPanel(int top, int left, int bottom) {
    const ClockState clock{host::SimDate(), host::SimTime(), timeAcceleration, paused,
                           pace.Achieved()};
    int row = top;
    for (const std::string& line : PanelLines(clock, events)) {
      for (const std::string& piece :
           PanelPieces(line, static_cast<std::size_t>(COLS - left), eventIndent)) {
        if (row < bottom) Put(row++, left, piece);
      }
    }
  }

  // The prompt opens under the display it belongs to, as the host's input
  // boxes do beside theirs, with what to type under the answer.
  void DrawPrompt(int top) {
    const std::optional<host::InputBoxView> box = host::OpenInputBox();
    if (!box) {
      boxOpen = false;
      return;
    }
    if (!boxOpen) typed = box->initialText;  // a new box starts from its own text
    boxOpen = true;
    const std::string after = "_   (Enter answers, Esc cancels)";
    // The end of a long answer, where the typing is.
    std::string shown = typed;
    while (!shown.empty() && CutColumns(shown, COLS - 3) != shown)
      shown.erase(0, std::max<std::size_t>(CharacterAt(shown, 0).length, 1));
    Put(top, 0, box->title, A_BOLD);
    Put(top + 1, 0, "> " + shown + after);
    Put(top + 2, 0, PromptHint(box->title));
  }

  int number;
  WorldStepper& stepper;
  double timeAcceleration = 1;
  double owed = 0;
  bool paused = false;
  bool help = false;
  bool quit = false;
  bool boxOpen = false;
  bool tooSmall = false;
  std::string typed;
  std::string hint;                 // for a key that did nothing, until the next key
  std::vector<std::string> events;  // the newest last
  std::deque<Key> waiting;          // typed while a step ran
  HostReports reports;
  HoldWatch watch;
  PaceMeter pace;
};

}  // namespace

bool CockpitCanStart(std::string& error) {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    error = "the cockpit needs a terminal; without one, give --script FILE";
    return false;
  }
  return TerminalKnown(error);
}

std::optional<int> RunCockpit(int number, std::string& error) {
  if (!CockpitCanStart(error)) return std::nullopt;
  endingSignal = 0;
  for (int signal : endingSignals) std::signal(signal, OnSignal);
  WorldStepper stepper;
  {
    Terminal terminal;
    Cockpit(number, stepper).Run();
  }
  for (int signal : endingSignals) std::signal(signal, SIG_DFL);
  // As a shell reports a program that a signal ended.
  const int status = endingSignal == 0 ? 0 : 128 + static_cast<int>(endingSignal);
  // A step still running holds the world for as long as it takes, maybe
  // minutes: the program ends now, its terminal restored, and leaves the
  // rest to the system.
  if (stepper.Busy()) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}

}  // namespace sim
