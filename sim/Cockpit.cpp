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

#include "CockpitHelp.h"
#include "DisplayLayout.h"
#include "FlightPanel.h"
#include "HostReports.h"
#include "KeyCodes.h"
#include "PromptAnswer.h"
#include "SimDefaults.h"
#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/Simulation.h"

namespace sim {

namespace {

constexpr int frameMilliseconds = 50;
constexpr double stepSeconds = defaultTimeStep;  // simulated per step at 1x
constexpr int maxStepsPerFrame = 8;  // beyond this the world falls behind, not the screen
constexpr double slowest = 0.1, fastest = 100000;
constexpr int labelWidth = 7;    // "1 TGT " and a blank before the frame
constexpr int displayTop = 2;    // below the status line and a blank one
constexpr int panelGap = 3;      // between the right-hand button labels and the panel
constexpr int panelWidth = 49;   // its date line, the widest that is always there
constexpr int promptRows = 2;    // the prompt's title and the answer being typed
constexpr int eventIndent = 11;  // where an event's text starts in the panel
constexpr short screenColours = 1;
constexpr int keyEscape = 27;
constexpr std::size_t eventsShown = 5;

// The signal that ends the cockpit; 0 while none has come.
volatile std::sig_atomic_t endingSignal = 0;
void OnSignal(int signal) {
  endingSignal = signal;
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
    while (!quit && endingSignal == 0) {
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
    for (const std::string& report : reports.New()) Event(report);
  }

  void Event(const std::string& what) {
    events.push_back(EventText(host::SimTime(), what));
    if (events.size() > eventsShown) events.erase(events.begin());
  }

  void Handle(int key) {
    if (key == KEY_RESIZE) {
      clear();
      return;
    }
    hint.clear();
    if (tooSmall) {  // nothing of the cockpit shows: only quitting makes sense
      if (key == 'q' || key == 'Q') quit = true;
      return;
    }
    if (host::OpenInputBox()) {
      HandlePrompt(key);
      return;
    }
    MFD* display = host::DisplayObject(number);
    bool done = true;
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
    } else if (key == '?' || key == '`' || (key == keyEscape && help)) {
      help = !help;
    } else if (key >= '1' && key <= '5' && display != nullptr) {
      done = display->ConsumeButton(key - '1', PANEL_MOUSE_LBDOWN);
    } else if (key > 0 && key < 128 && std::isalpha(key) && display != nullptr) {
      const auto code = ScanCodeOf(static_cast<char>(key));
      done = code && display->ConsumeKeyBuffered(*code);
    } else {
      done = false;
    }
    if (!done) hint = UnknownKeyHint(keyname(key) != nullptr ? keyname(key) : "?");
  }

  void HandlePrompt(int key) {
    if (key == '\n' || key == '\r' || key == KEY_ENTER) {
      if (const std::optional<PromptAnswer> answer = AnswerPrompt(number, typed))
        Event(answer->event);
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
    MFD* display = host::DisplayObject(number);
    const host::Page page = display != nullptr ? host::DrawDisplay(number) : host::Page{};
    const host::MfdFields fields =
        display != nullptr ? host::FieldsOf(*display) : host::MfdFields{};
    // Without a display, one row of 20 columns says so.
    const int height = static_cast<int>(fields.height);
    const int rows = display != nullptr ? height / cellHeight : 1;
    // Lines the page draws below the display's height go under the frame.
    const int rowsBelow = (PageOverflow(page, rows * cellHeight) + cellHeight - 1) / cellHeight;
    const int minColumns = display != nullptr ? static_cast<int>(fields.width) / cellWidth : 20;
    const std::vector<std::string> grid =
        PageGrid(page, std::max(columns, minColumns), rows + rowsBelow);
    // Never narrower than before: the frame should not jump as text changes.
    columns = grid.empty() ? columns : static_cast<int>(grid.front().size());
    // The frame, a blank, the right-hand button labels, then the panel.
    const int panelLeft = labelWidth + columns + 1 + 2 + 4 + panelGap;
    const int promptTop = displayTop + rows + rowsBelow + 2;
    tooSmall = COLS < panelLeft + panelWidth || LINES < promptTop + promptRows;
    if (tooSmall) {
      DrawTooSmall(panelLeft + panelWidth, promptTop + promptRows);
    } else {
      Put(0, 0, "jaunt-sim cockpit    ? help   q quit", A_BOLD);
      if (!hint.empty()) Put(0, 40, hint, A_STANDOUT);
      if (display != nullptr)
        DrawDisplay(*display, page, grid, height);
      else
        Put(displayTop, 0, "(no display open)");
      DrawPanel(displayTop, panelLeft, promptTop);
      DrawPrompt(promptTop);
    }
    refresh();
  }

  void DrawTooSmall(int width, int height) {
    char size[80];
    std::snprintf(size, sizeof size, "It is %dx%d; the cockpit needs %dx%d.", COLS, LINES, width,
                  height);
    Put(0, 0, "jaunt-sim: the terminal is too small", A_BOLD);
    Put(1, 0, size);
    Put(2, 0, "Enlarge it, or press q to quit.");
  }

  // Draws the display, `height` device units high, with its frame and button
  // labels from `displayTop`: the page's rows inside the frame and any
  // further rows of `grid` under it, marked; with help asked for, the help
  // takes the page's place.
  void DrawDisplay(MFD& display, const host::Page& page, const std::vector<std::string>& grid,
                   int height) {
    const int rows = height / cellHeight;
    const int frameLeft = labelWidth, frameRight = frameLeft + columns + 1;
    const attr_t screen = has_colors() ? COLOR_PAIR(screenColours) : A_NORMAL;
    const std::string border = "+" + std::string(static_cast<std::size_t>(columns), '-') + "+";
    std::vector<std::string> lines = grid;
    std::string top = border;
    if (help) {
      std::vector<std::string> text = HelpLines(host::DisplayMenu(number));
      const std::string heading = " " + text.front() + " ";
      if (heading.size() + 3 <= top.size()) top.replace(2, heading.size(), heading);
      for (std::size_t row = 0; row < static_cast<std::size_t>(rows); ++row) {
        std::string line = row + 1 < text.size() ? text[row + 1] : std::string();
        line.resize(static_cast<std::size_t>(columns), ' ');
        lines[row] = line;
      }
    }
    Put(displayTop, frameLeft, top, help ? A_BOLD : A_NORMAL);
    Put(displayTop + rows + 1, frameLeft, border);
    for (int row = 0; row < rows; ++row) {
      Put(displayTop + 1 + row, frameLeft, "|");
      Put(displayTop + 1 + row, frameLeft + 1, lines[static_cast<std::size_t>(row)], screen);
      Put(displayTop + 1 + row, frameRight, "|");
    }
    for (int row = rows; row < static_cast<int>(grid.size()) && !help; ++row) {
      Put(displayTop + 2 + row, 0, "below", A_BOLD);
      Put(displayTop + 2 + row, frameLeft, ":");
      Put(displayTop + 2 + row, frameLeft + 1, lines[static_cast<std::size_t>(row)], screen);
      Put(displayTop + 2 + row, frameRight, ":");
    }
    if (!help) Put(displayTop + 1, frameLeft + 1, page.title, screen | A_BOLD);
    for (int button = 0; button < 2 * buttonsPerSide; ++button) {
      const char* label = display.ButtonLabel(button);
      if (label == nullptr) continue;
      const int row = displayTop + 1 + ButtonY(button, height) / cellHeight;
      if (button < buttonsPerSide) {
        char text[16];
        std::snprintf(text, sizeof text, "%d %-4.4s", button + 1, label);
        Put(row, 0, text, A_BOLD);
      } else {
        Put(row, frameRight + 2, label, A_BOLD);
      }
    }
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
  // boxes do beside theirs.
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
    const std::size_t room = static_cast<std::size_t>(std::max(COLS - 2, 1)) - 1;
    const std::string shown = typed.size() > room ? typed.substr(typed.size() - room) : typed;
    Put(top, 0, box->title, A_BOLD);
    Put(top + 1, 0, "> " + shown + after);
  }

  int number;
  int columns = 0;
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
  HostReports reports;
  HoldWatch watch;
  PaceMeter pace;
};

}  // namespace

bool CockpitCanStart(std::string& error) {
  if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) return true;
  error = "the cockpit needs a terminal; without one, give --script FILE";
  return false;
}

std::optional<int> RunCockpit(int number, std::string& error) {
  if (!CockpitCanStart(error)) return std::nullopt;
  endingSignal = 0;
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, OnSignal);
  {
    Terminal terminal;
    Cockpit(number).Run();
  }
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, SIG_DFL);
  // As a shell reports a program that a signal ended.
  return endingSignal == 0 ? 0 : 128 + static_cast<int>(endingSignal);
}

}  // namespace sim
