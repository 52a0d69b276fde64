#pragma once

class QApplication;

namespace window {

// Names the application, creates and shows the main window and runs the event loop until
// the program ends; returns the exit status.
int RunProgram(QApplication& application);

}  // namespace window
