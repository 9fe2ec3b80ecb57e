// The numbered captions, hints and messages of the report engine and its windows.
#pragma once

#include <string>

namespace platform {

// The text stored under number (53000 to 55999), UTF-8; "" for a number with no text.
std::string uiText(int number);

}  // namespace platform
