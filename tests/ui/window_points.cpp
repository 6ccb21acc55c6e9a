// Prints where each element of the window lies in window pixels, made from the layout's twips by
// the window's own rule, as shell assignments for the scripts that drive the real window:
//   Command1_x=464 Command1_y=196   the element's centre, where a click lands
//   Command1_box='424 144 81 105'   its box: left, top, width, height
//   window_points [DOTS_PER_INCH]   (default 96, as the virtual display is started)

#include <QRect>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "form_layout.h"
#include "twips.h"

int main(int argc, char** argv) {
  const double dotsPerInch = argc > 1 ? std::strtod(argv[1], nullptr) : 96.0;
  if (dotsPerInch <= 0.0) {
    std::fputs("usage: window_points [DOTS_PER_INCH]\n", stderr);
    return 2;
  }
  for (const velmora::ui::ElementEntry& element : velmora::ui::Elements()) {
    const QRect box = velmora::ui::ToPixels(element.box, dotsPerInch);
    const std::string name(element.name);
    std::printf("%s_x=%d %s_y=%d %s_box='%d %d %d %d'\n", name.c_str(), box.center().x(),
                name.c_str(), box.center().y(), name.c_str(), box.left(), box.top(), box.width(),
                box.height());
  }
  return 0;
}
