#include "common/InstallLayout.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace sim {

namespace fs = std::filesystem;

namespace {

// The folder of the running program.
fs::path ProgramFolder(const char* argv0) {
#ifdef _WIN32
  char buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return fs::path(std::string(buffer, n)).parent_path();
#else
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path();
#endif
  return fs::absolute(argv0).parent_path();
}

// The folder above the program's: the installation prefix, or the build tree.
fs::path Prefix(const char* argv0) {
  return ProgramFolder(argv0).parent_path();
}

bool IsFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

}  // namespace

fs::path DefaultModulePath(const char* argv0) {
  const fs::path beside = ProgramFolder(argv0) / JAUNT_MODULE_FILE_NAME;
  const fs::path installed = Prefix(argv0) / JAUNT_INSTALL_MODULE_DIR / JAUNT_MODULE_FILE_NAME;
  // When neither is there, the error names the file beside the program.
  return IsFile(beside) || !IsFile(installed) ? beside : installed;
}

fs::path ExampleScenarioFolder(const char* argv0) {
  return Prefix(argv0) / JAUNT_INSTALL_DATA_DIR / "scenarios";
}

fs::path DocumentFolder(const char* argv0) {
  return Prefix(argv0) / JAUNT_INSTALL_DOC_DIR;
}

std::string FindScenario(const std::string& name, const char* argv0) {
  const fs::path given(name);
  std::error_code ec;
  if (fs::exists(given, ec) || given.has_parent_path() || name.empty()) return name;
  const fs::path folder = ExampleScenarioFolder(argv0);
  for (const fs::path& example : {folder / given, folder / (name + ".toml")}) {
    if (IsFile(example)) return example.string();
  }
  return name;
}

}  // namespace sim
