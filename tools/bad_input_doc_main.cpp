// Writes docs/bad-input.md from the bad-input table.
#include <fstream>
#include <iostream>

#include "bad_input_doc.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " OUTPUT.md\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << candelor::RenderBadInputDoc();
  return out ? 0 : 1;
}
