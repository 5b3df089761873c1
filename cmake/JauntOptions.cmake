# Build options and the compiler settings every target shares.
option(JAUNT_BUILD_TESTS "Build the tests" ON)
option(JAUNT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(JAUNT_MSVC_ABI "Build the module and the stand-in Orbiter.exe for the real host's ABI" OFF)

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# Programs, the host library and the module land side by side, so that the
# simulator finds the module beside itself.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Warnings are errors where CMAKE_COMPILE_WARNING_AS_ERROR says so: the -ci
# presets and the Windows ones.
add_compile_options(-Wall -Wextra)

# The plug-in interface (src/plugin) as the host's side includes it,
# "plugin/…", without the module's other sources beside it.
set(JAUNT_INTERFACE_INCLUDE_DIR ${CMAKE_BINARY_DIR}/interface)
if(NOT EXISTS ${JAUNT_INTERFACE_INCLUDE_DIR}/plugin)
  file(MAKE_DIRECTORY ${JAUNT_INTERFACE_INCLUDE_DIR})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/plugin ${JAUNT_INTERFACE_INCLUDE_DIR}/plugin SYMBOLIC)
endif()
if(JAUNT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Hardening and measurement, each in its own folder (see fuzz/, bench/).
option(JAUNT_FUZZ "Build the libFuzzer targets (clang, with JAUNT_SANITIZE)" OFF)
option(JAUNT_BENCH "Build the benchmarks (Google Benchmark)" OFF)
