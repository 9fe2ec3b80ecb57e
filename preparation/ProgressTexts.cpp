#include "preparation/ProgressTexts.h"

#include "platform/UiText.h"

namespace preparation {
namespace {
constexpr int kFromText = 55199;
constexpr int kCaptionText = 55203;
constexpr int kFirstPassText = 55204;
constexpr int kPreparingText = 55205;
constexpr int kPrintingText = 55208;
}  // namespace

std::string progressCaption(const std::string& reportTitle) {
    std::string caption = platform::uiText(kCaptionText);
    if (!reportTitle.empty()) caption += " - " + reportTitle;
    return caption;
}

std::string preparationBaseText(bool firstOfTwoPasses) {
    return platform::uiText(firstOfTwoPasses ? kFirstPassText : kPreparingText);
}

std::string printingBaseText() {
    return platform::uiText(kPrintingText);
}

std::string progressStatus(const std::string& baseText, int page, std::optional<int> total) {
    std::string status = baseText + "  " + std::to_string(page);
    if (total) status += " " + platform::uiText(kFromText) + " " + std::to_string(*total);
    return status;
}

}  // namespace preparation
