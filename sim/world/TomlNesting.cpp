#include "world/TomlNesting.h"

#include <cctype>
#include <vector>

namespace sim {

namespace {

class NestingScan {
 public:
  explicit NestingScan(std::string_view text) : text(text) {}

  TomlNesting Run() {
    if (text.starts_with("\xEF\xBB\xBF")) at = 3;  // a byte-order mark
    while (at < text.size()) {
      const char c = text[at];
      if (c == '\n') {
        EndLine();
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++at;
      } else if (c == '#') {
        SkipComment();
      } else if (c == '[' && lineStart && open.empty()) {
        ReadHeader();
      } else {
        lineStart = false;
        ScanToken(c);
      }
    }
    return deepest;
  }

 private:
  // An open inline table or array, and the levels it added.
  struct Container {
    bool array;
    int levels;
  };

  // One token outside strings' content and comments: punctuation, a bare
  // word or a quoted string, with what it does to the key being read.
  void ScanToken(char c) {
    // A value that begins like a number or a date is read by the parser up
    // to what ends a value, quotes included, asking of each character
    // whether it is white space. (Each such stretch is looked at once.)
    if (inValue && at >= scannedTo &&
        (std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-')) {
      constexpr std::string_view ends = " \t\r\n]},#";
      for (scannedTo = at;
           scannedTo < text.size() && ends.find(text[scannedTo]) == std::string_view::npos;
           ++scannedTo)
        if (Foreign(text[scannedTo])) NoteForeignByte();
    }
    if (c == '"' || c == '\'') {
      SkipString(c);
      CountKeyPart();
    } else if (c == '.') {
      ++at;
      afterDot = chain > 0;
    } else if (c == '=') {
      ++at;
      keyParts = chain;
      chain = 0;
      inValue = true;
    } else if ((c == '{' || c == '[') && inValue) {
      ++at;
      // The key leading to it counts; an array is a level of its own.
      Open(c == '[', keyParts + (c == '[' ? 1 : 0));
    } else if ((c == '}' || c == ']') && !open.empty()) {
      ++at;
      base -= open.back().levels;
      open.pop_back();
      inValue = true;  // the closed one was a value of what encloses it
      keyParts = 0;
      chain = 0;
    } else if (c == ',') {
      ++at;
      inValue = !open.empty() && open.back().array;
      keyParts = 0;
      chain = 0;
    } else {
      const std::size_t start = at;
      SkipBare();
      for (std::size_t i = start; i < at; ++i) {
        if (Foreign(text[i])) NoteForeignByte();
      }
      if (at > start) {
        CountKeyPart();
        return;
      }
      // A bracket out of place: it ends any key, and the parser will object.
      ++at;
      chain = 0;
      afterDot = false;
    }
  }

  void Open(bool array, int levels) {
    open.push_back({array, levels});
    base += levels;
    keyParts = 0;
    chain = 0;
    inValue = array;
    NoteDepth(base);
  }

  // A bare word or a quoted string: in a key, one more part of it.
  void CountKeyPart() {
    if (inValue) return;
    chain = afterDot ? chain + 1 : 1;
    afterDot = false;
    NoteDepth(base + chain);
  }

  // A key, or an inline table or array, reached `depth`.
  void NoteDepth(int depth) {
    if (depth > deepest.depth) {
      deepest.depth = depth;
      deepest.line = line;
    }
  }

  static bool Foreign(char c) { return static_cast<unsigned char>(c) >= 0x80; }
  void NoteForeignByte() {
    if (deepest.foreignLine == 0) deepest.foreignLine = line;
  }

  void EndLine() {
    ++at;
    ++line;
    lineStart = true;
    chain = 0;
    afterDot = false;
    if (open.empty()) {
      inValue = false;
      keyParts = 0;
    }
  }

  // "[a.b]" or "[[a.b]]": the new table's parts are the depth of what follows.
  void ReadHeader() {
    lineStart = false;
    inValue = false;
    chain = 0;
    base = 0;
    while (at < text.size() && text[at] == '[') ++at;
    while (at < text.size() && text[at] != ']' && text[at] != '\n' && text[at] != '#') {
      if (text[at] == ' ' || text[at] == '\t' || text[at] == '\r')
        ++at;
      else
        ScanToken(text[at]);
    }
    while (at < text.size() && text[at] == ']') ++at;
    base = chain;
    chain = 0;
  }

  void SkipComment() {
    while (at < text.size() && text[at] != '\n') ++at;
  }

  void SkipBare() {
    constexpr std::string_view stops = " \t\r\n#.=,[]{}\"'";
    while (at < text.size() && stops.find(text[at]) == std::string_view::npos) ++at;
  }

  // From an opening quote past the closing one; basic strings know escapes,
  // and a tripled quote opens a string that may span lines.
  void SkipString(char quote) {
    const std::string_view triple = quote == '"' ? R"(""")" : "'''";
    const bool multiLine = text.substr(at, 3) == triple;
    at += multiLine ? 3 : 1;
    while (at < text.size()) {
      const char c = text[at];
      if (multiLine && text.substr(at, 3) == triple) {
        at += 3;
        // Up to two more quotes may end the content.
        for (int i = 0; i < 2 && at < text.size() && text[at] == quote; ++i) ++at;
        return;
      }
      if (!multiLine && c == quote) {
        ++at;
        return;
      }
      if (!multiLine && c == '\n') return;  // unterminated: the parser says so
      if (c == '\n') ++line;
      if (c == '\\' && quote == '"' && multiLine) {
        // The parser asks of what follows a backslash, and of what follows
        // the white space after a line-ending one, whether it is white space.
        std::size_t next = at + 1;
        while (next < text.size() &&
               std::string_view(" \t\r\n").find(text[next]) != std::string_view::npos)
          ++next;
        if (next < text.size() && Foreign(text[next])) NoteForeignByte();
      }
      at += (c == '\\' && quote == '"' && at + 1 < text.size()) ? 2 : 1;
      if (c == '\\' && quote == '"' && text[at - 1] == '\n') ++line;
    }
  }

  std::string_view text;
  std::size_t at = 0;
  std::size_t scannedTo = 0;  // where the last value read as a number ends
  int line = 1;
  bool lineStart = true;
  bool inValue = false;  // reading a value: its words are no key parts
  bool afterDot = false;
  int chain = 0;     // parts of the key being read
  int keyParts = 0;  // parts of the key whose value is being read
  int base = 0;      // levels of the header and the open containers
  std::vector<Container> open;
  TomlNesting deepest;
};

}  // namespace

TomlNesting DeepestKey(std::string_view text) {
  return NestingScan(text).Run();
}

}  // namespace sim
