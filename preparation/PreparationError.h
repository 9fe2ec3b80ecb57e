// The message shown when preparation fails: what was being calculated, in which report and
// object, and the error itself.
#pragma once

#include <string>

#include "report/View.h"

namespace preparation {

// "Si è verificato un errore durante i calcoli", the object's memo lines, then "Report:" with
// the report name, "Oggetto:" with the object name (when there is one) and the error text;
// lines are separated by "\r".
std::string preparationErrorMessage(const std::string& reportName, const report::View* object,
                                    const std::string& errorText);

}  // namespace preparation
