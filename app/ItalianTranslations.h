// Qt's own dialogs (file, print, page setup) speak Italian like the rest of the program.
#pragma once

class QApplication;

namespace app {

void loadItalianTranslations(QApplication& application);

}  // namespace app
