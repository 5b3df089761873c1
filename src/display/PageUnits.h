// The page's astronomical unit: a round 1.5e11 m, from which it works out
// its AU figures. (A distance typed in AU uses another: inputAU.)
#pragma once

inline constexpr double pageAU = 1.5e11;  // m
