#include "script/ScriptRunner.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "common/HostReports.h"
#include "common/Utf8Text.h"
#include "display/NameSuggestions.h"
#include "flight/EventText.h"
#include "flight/HoldWatch.h"
#include "host/Displays.h"
#include "host/Simulation.h"
#include "script/ScriptCommands.h"

namespace sim {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::vector<std::string> SplitAtBlanks(const std::string& text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

// False for blank lines and comments.
bool ParseLine(std::string text, ScriptLine& line) {
  if (!text.empty() && text.back() == '\r') text.pop_back();  // written on Windows
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos || text[start] == '#') return false;
  const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
  line.command = text.substr(start, end - start);
  line.rest = end < text.size() ? text.substr(end + 1) : std::string();
  line.args = SplitAtBlanks(line.rest);
  return true;
}

const std::vector<const Command*>& Commands() {
  static const std::vector<const Command*> all = AllCommands();
  return all;
}

const Command* FindCommand(const std::string& name) {
  for (const Command* command : Commands()) {
    if (name == command->name) return command;
  }
  return nullptr;
}

enum class LineRead { Line, End, TooLong };

// The next line of `in`, without its line break, in `text`; TooLong once
// it passes `most` bytes, when the rest of it is left unread.
LineRead ReadLine(std::istream& in, std::string& text, std::size_t most) {
  text.clear();
  std::streambuf& source = *in.rdbuf();
  for (;;) {
    const int c = source.sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return text.empty() ? LineRead::End : LineRead::Line;
    }
    if (c == '\n') return LineRead::Line;
    if (text.size() == most) return LineRead::TooLong;
    text.push_back(static_cast<char>(c));
  }
}

// The reason for a command that does not exist, with the ones likely meant.
std::string UnknownCommand(const std::string& name) {
  std::vector<std::string> names;
  for (const Command* command : Commands()) names.emplace_back(command->name);
  const std::string suggestion = DidYouMean(ClosestNames(name, names));
  return "unknown command " + QuotedText(name) + (suggestion.empty() ? "" : "; " + suggestion) +
         " (help lists the commands)";
}

// Editors on Windows may start a UTF-8 file with a byte-order mark.
void SkipByteOrderMark(std::string& text) {
  constexpr std::string_view mark = "\xEF\xBB\xBF";
  if (text.compare(0, mark.size(), mark) == 0) text.erase(0, mark.size());
}

// Passes on what the host noticed since the last call.
void ForwardReports(std::ostream& err, HostReports& reports) {
  for (const std::string& report : reports.New()) err << report << '\n';
}

// A display may close under the script (by `close`, or when the host cannot
// reopen it on a new focus vessel): the lowest one still open takes over.
void KeepSelectionOpen(ScriptContext& context) {
  const std::vector<int> open = host::OpenDisplays();
  if (std::find(open.begin(), open.end(), context.selected) == open.end())
    context.selected = open.empty() ? 0 : open.front();
}

}  // namespace

void ScriptContext::Tell(const std::string& what) {
  constexpr std::size_t eventsKept = 1000;
  events.push_back(EventText(host::SimTime(), what));
  if (events.size() <= eventsKept) return;
  events.pop_front();
  ++eventsDropped;
}

int SelectedDisplay(const ScriptContext& context) {
  if (context.selected == 0) throw ScriptError{"no display is open"};
  return context.selected;
}

void ExpectArgCount(const ScriptLine& line, std::size_t least, std::size_t most) {
  if (line.args.size() < least) throw ScriptError{"missing argument", true};
  if (line.args.size() > most) throw ScriptError{"too many arguments", true};
}

// A number starts at once: the C library would skip blanks of every kind
// before it, and a vertical tab would pass for a separator that shows.
bool StartsANumber(const std::string& text) {
  return !text.empty() && std::isspace(static_cast<unsigned char>(text.front())) == 0;
}

long long IntegerArg(const std::string& text, const char* what, long long least, long long most) {
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (!StartsANumber(text) || *end != '\0' || errno != 0 || value < least || value > most)
    throw ScriptError{std::string(what) + " must be a whole number from " + std::to_string(least) +
                          " to " + std::to_string(most) + ", not " + QuotedText(text),
                      true};
  return value;
}

double PositiveArg(const std::string& text, const char* what) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (!StartsANumber(text) || *end != '\0' || !std::isfinite(value) || value <= 0)
    throw ScriptError{std::string(what) + " must be a positive number, not " + QuotedText(text),
                      true};
  return value;
}

std::string NameArg(const ScriptLine& line) {
  const std::size_t first = line.rest.find_first_not_of(" \t");
  if (first == std::string::npos) throw ScriptError{"missing argument", true};
  const std::size_t last = line.rest.find_last_not_of(" \t");
  return line.rest.substr(first, last - first + 1);
}

int RunScript(std::istream& in, std::ostream& out, std::ostream& err, int& selected) {
  ScriptContext context{out, selected, 0, {}};
  HostReports reports;
  HoldWatch watch;
  watch.Check();
  std::string text;
  int status = 0;
  std::size_t read = 0;
  for (int number = 1;; ++number) {
    const LineRead got = ReadLine(in, text, maxScriptLineBytes);
    if (got == LineRead::End) break;
    read += text.size() + 1;
    ScriptLine line;
    try {
      // A script without end, or a line without one, would fill the memory.
      if (got == LineRead::TooLong)
        throw ScriptError{"longer than " + std::to_string(maxScriptLineBytes) +
                          " bytes, the most a script's line may hold"};
      if (read > maxScriptBytes + 1)
        throw ScriptError{"the script goes on past " + std::to_string(maxScriptBytes) +
                          " bytes, the most a script may hold"};
      if (number == 1) SkipByteOrderMark(text);
      if (!ParseLine(text, line)) continue;
      const Command* command = FindCommand(line.command);
      if (command == nullptr) throw ScriptError{UnknownCommand(line.command)};
      try {
        command->run(context, line);
      } catch (const ScriptError& e) {
        if (!e.showUsage) throw;
        throw ScriptError{e.reason + " (usage: " + command->usage + ")"};
      }
    } catch (const ScriptError& e) {
      out.flush();
      ForwardReports(err, reports);
      err << "error: line " << number << ": " << e.reason << '\n';
      status = 2;
      break;
    }
    KeepSelectionOpen(context);
    if (std::optional<std::string> event = watch.Check()) context.Tell(*event);
    out.flush();
    const int writeError = errno;  // read at once, while it tells of the failed write
    ForwardReports(err, reports);
    if (!out) {
      err << "error: line " << number << ": cannot write the answer: " << std::strerror(writeError)
          << '\n';
      status = 2;
      break;
    }
  }
  selected = context.selected;
  return status;
}

}  // namespace sim
