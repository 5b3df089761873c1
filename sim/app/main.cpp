#include "app/Program.h"

int main(int argc, char** argv) {
  return sim::RunProgram(argc, argv);
}
