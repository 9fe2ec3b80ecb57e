#include "app/GuardedApplication.h"

#include <exception>

namespace app {

namespace {
constexpr const char* kUnexpected = "Errore imprevisto: ";
}

GuardedApplication::GuardedApplication(int& argc, char** argv, Reporter report)
    : QApplication(argc, argv), report_(std::move(report)) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    std::string message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        message = kUnexpected + std::string(e.what());
    } catch (...) {
        message = std::string(kUnexpected) + "eccezione sconosciuta";
    }
    // An error raised while its own box is up is not reported again (no nested boxes).
    if (!reporting_ && report_) {
        reporting_ = true;
        report_(message);
        reporting_ = false;
    }
    return false;
}

}  // namespace app
