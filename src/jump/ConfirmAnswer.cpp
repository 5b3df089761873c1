#include "jump/ConfirmAnswer.h"

#include <string.h>

#include "display/JauntMFD.h"

bool OnConfirmEntered(void* /*id*/, char* text, void* userData) {
  if (strcmp(text, "y") == 0 || strcmp(text, "Y") == 0) {
    if (JauntMFD* display = DisplayFromToken(userData)) display->ExecuteJump();
  }
  return true;
}
