// Files the simulator writes: whole or not at all, through links, to devices
// and FIFOs as they are, never over a read-only file, and without a
// temporary file left behind by a failure or a signal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/OutputFile.h"

namespace {

namespace fs = std::filesystem;

bool Write(const fs::path& path, const std::string& text, std::string& reason,
           bool replace = true) {
  return sim::WriteOutputFile(
      path.string(),
      [&text](std::FILE* file, std::string&) {
        return std::fwrite(text.data(), 1, text.size(), file) == text.size();
      },
      reason, replace);
}

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("jaunt-output-" + std::to_string(getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  // The names in the folder: a temporary file left behind shows here.
  std::size_t Entries() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
  }

  fs::path folder;
};

TEST_F(OutputFileTest, RegularFileIsReplacedWholeKeepingItsPermissions) {
  const fs::path file = folder / "picture.png";
  std::string reason;
  ASSERT_TRUE(Write(file, "first", reason)) << reason;
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(Write(file, "second", reason)) << reason;
  EXPECT_EQ(Contents(file), "second");
  EXPECT_EQ(fs::status(file).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(OutputFileTest, FailedWriteKeepsTheOldFileAndLeavesNothingBeside) {
  const fs::path file = folder / "kept.toml";
  std::ofstream(file) << "old";
  std::string reason;
  EXPECT_FALSE(sim::WriteOutputFile(
      file.string(),
      [](std::FILE* file, std::string& failure) {
        std::fputs("half", file);
        failure = "disk full";
        return false;
      },
      reason));
  EXPECT_EQ(reason, "disk full");
  EXPECT_EQ(Contents(file), "old");
  EXPECT_EQ(Entries(), 1u);
}

// Refusals, each leaving the file as it was.
TEST_F(OutputFileTest, ReadOnlyFilesAndFilesNotToBeReplacedAreKept) {
  const fs::path file = folder / "kept.toml";
  std::ofstream(file) << "old";
  std::string reason;
  EXPECT_FALSE(Write(file, "new", reason, false));
  EXPECT_EQ(reason, sim::fileExistsReason);
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(Write(file, "new", reason));  // also as root, who could write it
  EXPECT_EQ(reason, "Permission denied");
  EXPECT_EQ(Contents(file), "old");
  EXPECT_FALSE(Write(folder, "new", reason));
  EXPECT_EQ(reason, "Is a directory");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(OutputFileTest, LinksAreWrittenThroughAndStayLinks) {
  const fs::path file = folder / "real.png", link = folder / "link.png";
  std::ofstream(file) << "old";
  fs::create_symlink("real.png", link);
  std::string reason;
  ASSERT_TRUE(Write(link, "new", reason)) << reason;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(file), "new");
  // A link to a file not yet there makes it.
  const fs::path dangling = folder / "dangling.png";
  fs::create_symlink(folder / "made.png", dangling);
  ASSERT_TRUE(Write(dangling, "made", reason)) << reason;
  EXPECT_TRUE(fs::is_symlink(dangling));
  EXPECT_EQ(Contents(folder / "made.png"), "made");
  EXPECT_EQ(Entries(), 4u);
}

TEST_F(OutputFileTest, DevicesAndFifosAreWrittenAsTheyAre) {
  struct stat before {
  }, after{};
  ASSERT_EQ(stat("/dev/null", &before), 0);
  std::string reason;
  ASSERT_TRUE(Write("/dev/null", "nothing", reason)) << reason;
  ASSERT_EQ(stat("/dev/null", &after), 0);
  EXPECT_TRUE(S_ISCHR(after.st_mode));
  EXPECT_EQ(after.st_ino, before.st_ino);

  const fs::path fifo = folder / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(Write(fifo, "unread", reason));  // at once, rather than wait for ever
  EXPECT_EQ(reason, "nothing reads from the FIFO");
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_TRUE(Write(fifo, "through", reason)) << reason;
  char got[16] = {};
  EXPECT_EQ(read(reader, got, sizeof got), 7);
  EXPECT_STREQ(got, "through");
  close(reader);
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(Entries(), 1u);
}

// The temporary name fits where the file's own name is as long as a name
// may be.
TEST_F(OutputFileTest, NameOfTheLongestLengthIsWritten) {
  const fs::path file = folder / std::string(255, 'n');
  std::string reason;
  ASSERT_TRUE(Write(file, "long", reason)) << reason;
  EXPECT_EQ(Contents(file), "long");
  EXPECT_EQ(Entries(), 1u);
}

// A signal that ends the program while the file is written removes the
// temporary file, and the program still ends by that signal.
TEST_F(OutputFileTest, SignalDuringTheWriteRemovesTheTemporaryFile) {
  const fs::path file = folder / "kept.png";
  std::ofstream(file) << "old";
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    SCOPED_TRACE(signal);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const rlimit noCore{0, 0};  // SIGQUIT would leave a core file
      setrlimit(RLIMIT_CORE, &noCore);
      std::string reason;
      sim::WriteOutputFile(
          file.string(),
          [signal](std::FILE* out, std::string&) {
            std::fputs("half", out);
            std::fflush(out);
            raise(signal);
            return true;
          },
          reason);
      _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_EQ(Contents(file), "old");
    EXPECT_EQ(Entries(), 1u);
  }
}

}  // namespace
