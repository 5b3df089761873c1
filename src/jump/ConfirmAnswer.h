// The answer to the jump question.
#pragma once

// Input-box callback of the y/n question: exactly "y" or "Y" makes the jump
// on the display that asked, if it is still open. Every answer is accepted.
bool OnConfirmEntered(void* id, char* text, void* userData);
