#include "display/DisplayLayout.h"

#include <algorithm>
#include <climits>

namespace sim {

int ButtonY(int button, int height) {
  const int slot = button % buttonsPerSide;
  return height * (slot + 1) / (buttonsPerSide + 1);
}

int PageOverflow(const host::Page& page, int height) {
  long long bottom = height;
  for (const host::TextRun& run : page.runs)
    bottom = std::max(bottom, static_cast<long long>(run.y) + cellHeight);
  return static_cast<int>(std::min<long long>(bottom - height, INT_MAX));
}

std::vector<std::string> PageGrid(const host::Page& page, int columns, int rows) {
  std::size_t width = static_cast<std::size_t>(std::max(columns, 0));
  for (const host::TextRun& run : page.runs) {
    if (run.x >= 0) width = std::max(width, run.x / cellWidth + run.text.size());
  }
  std::vector<std::string> grid(static_cast<std::size_t>(std::max(rows, 0)),
                                std::string(width, ' '));
  for (const host::TextRun& run : page.runs) {
    if (run.x < 0 || run.y < 0 || run.y / cellHeight >= rows) continue;
    std::string& line = grid[static_cast<std::size_t>(run.y / cellHeight)];
    line.replace(static_cast<std::size_t>(run.x / cellWidth), run.text.size(), run.text);
  }
  return grid;
}

}  // namespace sim
