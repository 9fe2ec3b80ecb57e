// The program's QApplication, with a last guard: an exception that a handler lets escape is
// shown to the operator and the event loop goes on, instead of terminating the program (and
// losing what was not yet saved). Handlers catch their own errors; this is the net below them.
#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace app {

class GuardedApplication : public QApplication {
public:
    using Reporter = std::function<void(const std::string& message)>;
    GuardedApplication(int& argc, char** argv, Reporter report);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Reporter report_;
    bool reporting_ = false;
};

}  // namespace app
