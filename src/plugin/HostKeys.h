// The keys as the host hands them to a display: DirectInput scan codes, in
// the host's names.
#pragma once

#include "plugin/Platform.h"

// The digits' row.
constexpr DWORD OAPI_KEY_1 = 0x02, OAPI_KEY_2 = 0x03, OAPI_KEY_3 = 0x04, OAPI_KEY_4 = 0x05,
                OAPI_KEY_5 = 0x06, OAPI_KEY_6 = 0x07, OAPI_KEY_7 = 0x08, OAPI_KEY_8 = 0x09,
                OAPI_KEY_9 = 0x0A, OAPI_KEY_0 = 0x0B;

// The letters, row by row as on the keyboard.
constexpr DWORD OAPI_KEY_Q = 0x10, OAPI_KEY_W = 0x11, OAPI_KEY_E = 0x12, OAPI_KEY_R = 0x13,
                OAPI_KEY_T = 0x14, OAPI_KEY_Y = 0x15, OAPI_KEY_U = 0x16, OAPI_KEY_I = 0x17,
                OAPI_KEY_O = 0x18, OAPI_KEY_P = 0x19;
constexpr DWORD OAPI_KEY_A = 0x1E, OAPI_KEY_S = 0x1F, OAPI_KEY_D = 0x20, OAPI_KEY_F = 0x21,
                OAPI_KEY_G = 0x22, OAPI_KEY_H = 0x23, OAPI_KEY_J = 0x24, OAPI_KEY_K = 0x25,
                OAPI_KEY_L = 0x26;
constexpr DWORD OAPI_KEY_Z = 0x2C, OAPI_KEY_X = 0x2D, OAPI_KEY_C = 0x2E, OAPI_KEY_V = 0x2F,
                OAPI_KEY_B = 0x30, OAPI_KEY_N = 0x31, OAPI_KEY_M = 0x32;
