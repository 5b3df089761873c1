// The prompts through which the pilot types the target, the distance and the
// speed, and the callbacks that read the answers.
#pragma once

class JauntMFD;

void OpenTargetPrompt(const JauntMFD& display);
void OpenDistancePrompt(const JauntMFD& display);
void OpenSpeedPrompt(const JauntMFD& display);

// Input-box callbacks. The user data is the token of the display that opened
// the box; an answer for a display that has closed since is accepted and
// ignored.
bool OnTargetEntered(void* id, char* text, void* userData);
bool OnDistanceEntered(void* id, char* text, void* userData);
bool OnSpeedEntered(void* id, char* text, void* userData);
