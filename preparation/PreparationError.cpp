#include "preparation/PreparationError.h"

#include "platform/UiText.h"

namespace preparation {
namespace {
constexpr int kCalculationErrorText = 55200;
constexpr int kReportText = 55201;
constexpr int kObjectText = 55202;
}  // namespace

std::string preparationErrorMessage(const std::string& reportName, const report::View* object,
                                    const std::string& errorText) {
    std::string message = platform::uiText(kCalculationErrorText);
    if (object)
        for (const std::string& line : object->memo) message += "\r" + line;
    message += "\r\r" + platform::uiText(kReportText) + " " + reportName + "\r";
    if (object) message += platform::uiText(kObjectText) + " " + object->name() + "\r";
    return message + errorText;
}

}  // namespace preparation
