// The cockpit in a terminal, with ncurses. Each frame draws the display and
// the panel, takes the keys typed since the last frame, and moves the world
// on by the real time that passed, scaled by the time acceleration.
#include "Cockpit.h"

#include <curses.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>

#include "DisplayLayout.h"
#include "FlightPanel.h"
#include "KeyCodes.h"
#include "host/Diagnostics.h"
#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/Simulation.h"

namespace sim {

namespace {

constexpr int frameMilliseconds = 50;
constexpr double stepSeconds = 0.05;  // simulated per step at 1x
constexpr int maxStepsPerFrame = 8;   // beyond this the world falls behind, not the screen
constexpr double slowest = 0.1, fastest = 100000;
constexpr int labelWidth = 7;  // "1 TGT " and a blank before the frame
constexpr short screenColours = 1;
constexpr int keyEscape = 27;
constexpr std::size_t eventsShown = 5;

volatile std::sig_atomic_t interrupted = 0;
void OnSignal(int) {
  interrupted = 1;
}

// ncurses for the cockpit's lifetime; the terminal is restored however the
// cockpit ends.
class Terminal {
 public:
  Terminal() {
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
  attron(attributes);
  mvaddnstr(y, x, text.c_str(), std::min(static_cast<int>(text.size()), COLS - x));
  attroff(attributes);
}

class Cockpit {
 public:
  explicit Cockpit(int number) : number(number) {}

  void Run() {
    auto last = std::chrono::steady_clock::now();
    while (!quit && interrupted == 0) {
      Draw();
      for (int key = getch(); key != ERR && !quit; key = getch()) {
        Handle(key);
        timeout(0);  // take every key already typed before the next frame
      }
      timeout(frameMilliseconds);
      const auto now = std::chrono::steady_clock::now();
      Advance(std::chrono::duration<double>(now - last).count());
      last = now;
      Notice();
    }
  }

 private:
  void Advance(double realSeconds) {
    if (paused) return;
    owed += realSeconds;
    double simulated = 0;
    for (int i = 0; owed >= stepSeconds && i < maxStepsPerFrame; ++i) {
      const double dt = stepSeconds * timeAcceleration;
      if (host::Step(dt)) simulated += dt;
      owed -= stepSeconds;
    }
    owed = std::min(owed, stepSeconds);  // what the machine cannot catch up is dropped,
    pace.Add(realSeconds, simulated);    // and the panel shows the pace achieved
  }

  void Notice() {
    if (std::optional<std::string> event = watch.Check()) Event(*event);
    const auto& reports = host::Reports();
    if (seenReports > reports.size()) seenReports = 0;
    for (; seenReports < reports.size(); ++seenReports) Event("host: " + reports[seenReports]);
  }

  void Event(const std::string& what) {
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "t=%.2fs ", host::SimTime());
    events.push_back(stamp + what);
    if (events.size() > eventsShown) events.erase(events.begin());
  }

  void Handle(int key) {
    if (key == KEY_RESIZE) {
      clear();
      return;
    }
    if (host::OpenInputBox()) {
      HandlePrompt(key);
      return;
    }
    MFD* display = host::DisplayObject(number);
    if (key == 'q' || key == 'Q') {
      quit = true;
    } else if (key == ' ') {
      paused = !paused;
      pace.Restart();
    } else if (key == '+' || key == '=') {
      timeAcceleration = std::min(timeAcceleration * 10, fastest);
      pace.Restart();
    } else if (key == '-' || key == '_') {
      timeAcceleration = std::max(timeAcceleration / 10, slowest);
      pace.Restart();
    } else if (key == '?') {
      help = !help;
    } else if (key >= '1' && key <= '5' && display != nullptr) {
      display->ConsumeButton(key - '1', PANEL_MOUSE_LBDOWN);
    } else if (key > 0 && key < 128 && std::isalpha(key) && display != nullptr) {
      if (const auto code = ScanCodeOf(static_cast<char>(key))) display->ConsumeKeyBuffered(*code);
    }
  }

  void HandlePrompt(int key) {
    if (key == '\n' || key == '\r' || key == KEY_ENTER) {
      const bool accepted = host::AnswerInputBox(typed).value_or(false);
      Event("answered \"" + typed + "\"" + (accepted ? "" : ", refused: try again"));
      typed.clear();
    } else if (key == keyEscape) {
      host::CancelInputBox();
      Event("prompt cancelled");
      typed.clear();
    } else if (key == KEY_BACKSPACE || key == 127 || key == '\b') {
      if (!typed.empty()) typed.pop_back();
    } else if (key >= ' ' && key < 127) {
      typed.push_back(static_cast<char>(key));
    }
  }

  void Draw() {
    erase();
    Put(0, 0, "jaunt-sim cockpit    ? help   q quit", A_BOLD);
    const int right = DrawDisplay(2, 0);
    if (help)
      DrawHelp(2, right + 3);
    else
      DrawPanel(2, right + 3);
    DrawPrompt();
    refresh();
  }

  // Draws the display with its frame and button labels from row `top`;
  // returns the column right of it.
  int DrawDisplay(int top, int left) {
    MFD* display = host::DisplayObject(number);
    if (display == nullptr) {
      Put(top, left, "(no display open)");
      return left + 20;
    }
    const int rows = static_cast<int>(display->Height()) / cellHeight;
    const host::Page page = host::DrawDisplay(number);
    const std::vector<std::string> grid =
        PageGrid(page, std::max(columns, static_cast<int>(display->Width()) / cellWidth), rows);
    // Never narrower than before: the frame should not jump as text changes.
    columns = grid.empty() ? columns : static_cast<int>(grid.front().size());
    const int frameLeft = left + labelWidth, frameRight = frameLeft + columns + 1;
    const attr_t screen = has_colors() ? COLOR_PAIR(screenColours) : A_NORMAL;
    Put(top, frameLeft, "+" + std::string(static_cast<std::size_t>(columns), '-') + "+");
    Put(top + rows + 1, frameLeft, "+" + std::string(static_cast<std::size_t>(columns), '-') + "+");
    for (int row = 0; row < rows; ++row) {
      Put(top + 1 + row, frameLeft, "|");
      Put(top + 1 + row, frameLeft + 1, grid[static_cast<std::size_t>(row)], screen);
      Put(top + 1 + row, frameRight, "|");
    }
    Put(top + 1, frameLeft + 1, page.title, screen | A_BOLD);
    for (int button = 0; button < 2 * buttonsPerSide; ++button) {
      const char* label = display->ButtonLabel(button);
      if (label == nullptr) continue;
      const int row = top + 1 + ButtonY(button, static_cast<int>(display->Height())) / cellHeight;
      if (button < buttonsPerSide) {
        char text[16];
        std::snprintf(text, sizeof text, "%d %-4.4s", button + 1, label);
        Put(row, left, text, A_BOLD);
      } else {
        Put(row, frameRight + 2, label, A_BOLD);
      }
    }
    return frameRight + 2 + 4;
  }

  void DrawPanel(int top, int left) {
    const ClockState clock{host::SimDate(), host::SimTime(), timeAcceleration, paused,
                           pace.Achieved()};
    int row = top;
    for (const std::string& line : PanelLines(clock, events)) Put(row++, left, line);
  }

  void DrawHelp(int top, int left) {
    std::vector<std::string> lines{"Keys", "  letters  the display's keys:"};
    const MFDBUTTONMENU* menu = nullptr;
    MFD* display = host::DisplayObject(number);
    const int count = display != nullptr ? display->ButtonMenu(&menu) : 0;
    for (int i = 0; menu != nullptr && i < count; ++i) {
      lines.push_back(std::string("    ") + menu[i].selchar + "  " +
                      (menu[i].line1 != nullptr ? menu[i].line1 : ""));
    }
    for (const char* line :
         {"  1-5      press buttons 1 to 5", "  Space    pause or run",
          "  + / -    time acceleration x10 or /10", "  ?        this help",
          "  q        quit (Ctrl-C too)", "  prompt:  type, Enter answers, Esc cancels"})
      lines.emplace_back(line);
    int row = top;
    for (const std::string& line : lines) Put(row++, left, line);
  }

  void DrawPrompt() {
    const std::optional<host::InputBoxView> box = host::OpenInputBox();
    if (!box) {
      boxOpen = false;
      return;
    }
    if (!boxOpen) typed = box->initialText;  // a new box starts from its own text
    boxOpen = true;
    Put(LINES - 3, 0, box->title, A_BOLD);
    Put(LINES - 2, 0, "> " + typed + "_   (Enter answers, Esc cancels)");
  }

  int number;
  int columns = 0;
  double timeAcceleration = 1;
  double owed = 0;
  bool paused = false;
  bool help = false;
  bool quit = false;
  bool boxOpen = false;
  std::string typed;
  std::vector<std::string> events;  // the newest last
  std::size_t seenReports = host::Reports().size();
  HoldWatch watch;
  PaceMeter pace;
};

}  // namespace

bool CockpitCanStart(std::string& error) {
  if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) return true;
  error = "the cockpit needs a terminal; without one, give --script FILE";
  return false;
}

bool RunCockpit(int number, std::string& error) {
  if (!CockpitCanStart(error)) return false;
  interrupted = 0;
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, OnSignal);
  {
    Terminal terminal;
    Cockpit(number).Run();
  }
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, SIG_DFL);
  return true;
}

}  // namespace sim
