#include "ui/qt/application.h"

int main(int argc, char* argv[]) {
  return candelor::qt::RunCalculator(argc, argv);
}
