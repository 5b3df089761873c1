// The host's loader on files that are not modules: it refuses them with a
// reason naming the file, without a message box and without a trace in the
// list of loaded modules.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "host/ModuleLoader.h"

namespace {

TEST(LibraryLoadingTest, FilesThatAreNotModulesAreRefusedWithAReason) {
  const std::string text = testing::TempDir() + "not_a_module.txt";
  std::FILE* file = std::fopen(text.c_str(), "w");
  ASSERT_NE(file, nullptr) << text;
  std::fputs("plain text, not a library\n", file);
  std::fclose(file);

  struct Case {
    std::string path;
    const char* named;
  };
  const Case cases[] = {{testing::TempDir() + "no_such_module.dll", "no_such_module.dll"},
                        {text, "not_a_module.txt"}};
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(host::LoadModule(c.path, error), nullptr) << c.path;
    EXPECT_NE(error.find(c.named), std::string::npos) << error;
    EXPECT_TRUE(host::LoadedModules().empty()) << c.path;
  }
  std::remove(text.c_str());
}

}  // namespace
