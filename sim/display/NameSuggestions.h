// The names closest to one that is not known: for a target the world does
// not have, or a script command that does not exist.
#pragma once

#include <string>
#include <vector>

namespace sim {

// The names of `known` within a few typing slips of `typed` (letters left
// out, added, changed or swapped, in any case), closest first, at most three.
std::vector<std::string> ClosestNames(const std::string& typed,
                                      const std::vector<std::string>& known);

// "did you mean A?", "did you mean A or B?", "did you mean A, B or C?";
// empty without names.
std::string DidYouMean(const std::vector<std::string>& names);

}  // namespace sim
