// Where the report engine sends the errors it shows to the operator (template loading and
// preparation). The window layer shows each as a modal message box with caption "Errore";
// headless runs collect or print them.
#pragma once

#include <string>
#include <vector>

namespace report {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void reportError(const std::string& message) = 0;
};

// Keeps every message, in order; used by headless callers and tests.
class CollectingErrorReporter : public ErrorReporter {
public:
    void reportError(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// Caption of the message box the window layer uses for these errors.
inline constexpr const char* kErrorCaption = "Errore";

}  // namespace report
