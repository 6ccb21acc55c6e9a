#include "app.h"

int main(int argc, char** argv) {
  return velmora::ui::RunApplication(argc, argv);
}
