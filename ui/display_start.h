#pragma once

// Connecting to the desktop's display. Without one, Qt ends the process with an abort and a page
// of advice about reinstalling; velmora says in one line what is missing and how to run it, and
// ends with status 1.

#include <QApplication>
#include <memory>

namespace velmora::ui {

// The application on the display; never null. When no display can be reached it does not return:
// it writes one line on standard error and ends the process with status 1. argc must outlive the
// application.
std::unique_ptr<QApplication> StartOnTheDisplay(int& argc, char** argv);

}  // namespace velmora::ui
