#include "common/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <filesystem>
#endif

namespace sim {

namespace {

constexpr int attemptsAtTemporaryName = 100;
constexpr std::size_t longestName = 255;  // bytes in one name of a path, on every system we run on

std::string Reason(int error) {
  return std::strerror(error);
}

// Where the last name of `path` starts.
std::size_t NameStart(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? 0 : slash + 1;
}

// A temporary name beside `path`, which shares its name as far as the
// limit on a name's length allows: a name of 255 bytes can be written too.
std::string TemporaryName(const std::string& path, int attempt) {
  const std::string suffix =
      "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
  const std::size_t start = NameStart(path);
  std::string name = path.substr(start);
  if (name.size() + suffix.size() > longestName) name.resize(longestName - suffix.size());
  return path.substr(0, start) + name + suffix;
}

// Writes `contents` to the open descriptor `fd`, which it closes.
bool WriteAndClose(int fd, const FileContents& contents, std::string& reason) {
  std::FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    reason = Reason(errno);
    close(fd);
    return false;
  }
  const bool written = contents(file, reason);
  const bool closed = std::fclose(file) == 0;
  if (written && !closed) reason = Reason(errno);
  return written && closed;
}

#ifdef _WIN32

// No links, devices or signals to mind: the temporary file, then the move.
bool WriteBeside(const std::string& target, const FileContents& contents, std::string& reason) {
  for (int attempt = 0; attempt < attemptsAtTemporaryName; ++attempt) {
    const std::string temporary = TemporaryName(target, attempt);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_BINARY, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) break;
    std::error_code error;
    if (WriteAndClose(fd, contents, reason)) {
      std::filesystem::rename(temporary, target, error);
      if (!error) return true;
      reason = error.message();
    }
    std::remove(temporary.c_str());
    return false;
  }
  reason = Reason(errno);
  return false;
}

}  // namespace

bool WriteOutputFile(const std::string& path, const FileContents& contents, std::string& reason,
                     bool replace) {
  struct stat status {};
  if (stat(path.c_str(), &status) == 0) {
    if ((status.st_mode & S_IFMT) == S_IFDIR) {
      reason = Reason(EISDIR);
      return false;
    }
    if (!replace) {
      reason = fileExistsReason;
      return false;
    }
  }
  return WriteBeside(path, contents, reason);
}

#else

// The signals that end the program unless it handles them itself.
constexpr int endingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// The temporary file being written, for the signal handler.
const char* volatile pendingTemporary = nullptr;

extern "C" void RemovePendingAndEnd(int signal) {
  if (const char* path = pendingTemporary) unlink(path);
  std::signal(signal, SIG_DFL);
  raise(signal);
}

// Those signals held back while it lives, so that a temporary file is never
// made or given up without its handler knowing.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : endingSignals) sigaddset(&set, signal);
    sigprocmask(SIG_BLOCK, &set, &before);
  }
  ~SignalsHeld() { sigprocmask(SIG_SETMASK, &before, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t before;
};

// A new file beside its target, removed again unless it takes the target's
// place; while it exists, a signal that would end the program removes it
// first. The program's own handling of a signal, where it has one, stays.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) {
    const SignalsHeld held;
    for (int attempt = 0; attempt < attemptsAtTemporaryName; ++attempt) {
      path = TemporaryName(target, attempt);
      fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0 || errno != EEXIST) break;
    }
    if (fd < 0) return;
    pendingTemporary = path.c_str();
    for (std::size_t i = 0; i < std::size(endingSignals); ++i) {
      sigaction(endingSignals[i], nullptr, &previous[i]);
      if (previous[i].sa_handler != SIG_DFL) continue;
      struct sigaction removing {};
      removing.sa_handler = RemovePendingAndEnd;
      sigemptyset(&removing.sa_mask);
      installed[i] = sigaction(endingSignals[i], &removing, nullptr) == 0;
    }
  }
  ~TemporaryFile() {
    if (fd < 0) return;
    const SignalsHeld held;
    if (!moved) unlink(path.c_str());
    pendingTemporary = nullptr;
    for (std::size_t i = 0; i < std::size(endingSignals); ++i) {
      if (installed[i]) sigaction(endingSignals[i], &previous[i], nullptr);
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // The descriptor to write, -1 with errno set when no file could be made.
  // Writing closes it.
  int fd = -1;

  bool MoveTo(const std::string& target) {
    const SignalsHeld held;
    moved = std::rename(path.c_str(), target.c_str()) == 0;
    return moved;
  }

 private:
  std::string path;
  bool moved = false;
  struct sigaction previous[std::size(endingSignals)]{};
  bool installed[std::size(endingSignals)] = {};
};

// Where the file that `path` names would be, its symbolic links followed,
// when it does not exist yet.
bool FollowLinks(std::string path, std::string& target, std::string& reason) {
  constexpr int mostLinks = 40;  // as the system's own limit
  for (int links = 0; links <= mostLinks; ++links) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
      target = path;
      return true;
    }
    char link[4096];
    const ssize_t length = readlink(path.c_str(), link, sizeof link);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof link) {
      reason = Reason(length < 0 ? errno : ENAMETOOLONG);
      return false;
    }
    const std::string to(link, static_cast<std::size_t>(length));
    if (to.front() == '/')
      path = to;
    else
      path.replace(NameStart(path), std::string::npos, to);
  }
  reason = Reason(ELOOP);
  return false;
}

// A regular file, or none yet: written beside it and renamed into place.
bool WriteBeside(const std::string& target, const struct stat* old, const FileContents& contents,
                 std::string& reason) {
  TemporaryFile temporary(target);
  if (temporary.fd < 0) {
    reason = Reason(errno);
    return false;
  }
  // The new file takes the old one's permissions.
  if (old != nullptr && fchmod(temporary.fd, old->st_mode & 07777) != 0) {
    reason = Reason(errno);
    close(temporary.fd);
    return false;
  }
  if (!WriteAndClose(temporary.fd, contents, reason)) return false;
  if (!temporary.MoveTo(target)) {
    reason = Reason(errno);
    return false;
  }
  return true;
}

// A device or a FIFO, written as it is. A FIFO that nobody reads would hold
// the program up for good: it is refused instead.
bool WriteThrough(const std::string& target, bool fifo, const FileContents& contents,
                  std::string& reason) {
  const int fd = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    reason = fifo && errno == ENXIO ? "nothing reads from the FIFO" : Reason(errno);
    return false;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return WriteAndClose(fd, contents, reason);
}

}  // namespace

bool WriteOutputFile(const std::string& path, const FileContents& contents, std::string& reason,
                     bool replace) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) {
    std::string target;
    if (errno != ENOENT) {
      reason = Reason(errno);
      return false;
    }
    // None yet, or a link to none: made where the links lead.
    if (!FollowLinks(path, target, reason)) return false;
    return WriteBeside(target, nullptr, contents, reason);
  }
  if (S_ISREG(status.st_mode)) {
    if (!replace) {
      reason = fileExistsReason;
      return false;
    }
    // Root may write anything; a file that nobody may write is kept even so.
    if ((status.st_mode & 0222) == 0) {
      reason = Reason(EACCES);
      return false;
    }
    char* real = realpath(path.c_str(), nullptr);  // the file itself, its links followed
    if (real == nullptr || access(real, W_OK) != 0) {
      reason = Reason(errno);
      std::free(real);
      return false;
    }
    const std::string target = real;
    std::free(real);
    return WriteBeside(target, &status, contents, reason);
  }
  // A device or a FIFO, reached through any links by the system itself.
  if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) || S_ISFIFO(status.st_mode))
    return WriteThrough(path, S_ISFIFO(status.st_mode), contents, reason);
  reason = S_ISDIR(status.st_mode) ? Reason(EISDIR) : "not a file, a device or a FIFO";
  return false;
}

#endif

}  // namespace sim
