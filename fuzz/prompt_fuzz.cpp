// Fuzzes the input-box callbacks with arbitrary text, as a pilot may type it.
//
// Input: one selector byte, then the text (up to its first NUL, as the host
// hands it over). Selector bits 0-1 pick the callback: target, distance,
// speed, or the y/n answer to the jump question; bit 2 sets the target
// "Earth" first; bit 3 closes the display before the answer arrives, so that
// the callback gets a stale display token.
#include <cstdint>
#include <cstring>
#include <memory>

#include "ByteReader.h"
#include "FuzzWorld.h"
#include "Invariants.h"
#include "host/Displays.h"
#include "jump/ConfirmAnswer.h"
#include "planning/InputPrompts.h"

namespace {

constexpr InputCallback callbacks[] = {OnTargetEntered, OnDistanceEntered, OnSpeedEntered,
                                       OnConfirmEntered};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  fuzz::StartModule();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader in(data, size);
  const std::uint8_t selector = in.Byte();
  const std::string rest = in.Rest();

  const int number = fuzz::ResetWorld(0);
  JauntMFD* display = fuzz::Jaunt(number);
  if ((selector & 4) != 0) display->UpdateTarget("Earth", true);
  void* token = display->InputToken();
  if ((selector & 8) != 0) host::CloseDisplay(number);

  // A buffer of exactly the text's size, so that reading past its end is
  // caught; the callbacks may write into it, as the host allows.
  const std::size_t length = std::strlen(rest.c_str());
  const auto text = std::make_unique<char[]>(length + 1);
  std::memcpy(text.get(), rest.c_str(), length + 1);
  callbacks[selector & 3](nullptr, text.get(), token);

  fuzz::CheckAfterAction();
  fuzz::SettleAndCheck();
  return 0;
}
