// Where jaunt-sim finds what it needs beside itself. Installed, it lives in
// PREFIX/bin, with the module in PREFIX/lib/jaunt-sim, the example scenarios
// in PREFIX/share/jaunt-sim/scenarios and the README in
// PREFIX/share/doc/jaunt-sim. The build tree keeps the module beside the
// program and copies of the shared files in the same places as an install.
#pragma once

#include <filesystem>
#include <string>

namespace sim {

// The module the program loads when none is given: beside it in the build
// tree, else where an install puts it.
std::filesystem::path DefaultModulePath(const char* argv0);

std::filesystem::path ExampleScenarioFolder(const char* argv0);
std::filesystem::path DocumentFolder(const char* argv0);

// A scenario as the pilot names it: the file itself when there is one,
// else the example of that name (with or without ".toml") when the name has
// no folder; otherwise the name unchanged, for the reader to refuse.
std::string FindScenario(const std::string& name, const char* argv0);

}  // namespace sim
