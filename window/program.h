#pragma once

class QApplication;

namespace window {

// Names the application, creates and shows Form1 and runs the event loop until
// the program ends; returns the exit status.
int RunProgram(QApplication& application);

}  // namespace window
