// What assistive technology is told about the main window: a window role, an Italian name for
// every control (the edits by their captions, the grids and the symbol buttons by what they
// do) and a description where the caption alone says too little.
#pragma once

namespace gui::main_window {

class MainWindow;

void describeForAssistiveTechnology(MainWindow& window);

}  // namespace gui::main_window
