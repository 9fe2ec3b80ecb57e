// What the fiscal-code list holds that cf0.txt does not, and how the operator is told about it
// when cf0.txt could not be written.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace labels {

struct UnsavedCodes {
    std::vector<std::string> added;  // codes in the list, not in the file (as many times as missing)
    std::size_t deleted = 0;         // codes in the file that the list no longer holds
    bool empty() const { return added.empty() && deleted == 0; }
};

// Compares the list's codes with the file's, as multisets: order does not matter.
UnsavedCodes unsavedCodes(const std::vector<std::string>& listed, const std::vector<std::string>& inFile);

// What stays where after a failed write: "I 2 codici nuovi sono ancora nella lista."
std::string keptAfterFailedSave(const UnsavedCodes& unsaved);

// What leaving without saving loses: "I 2 codici nuovi non saranno salvati in cf0.txt."
std::string lostByLeaving(const UnsavedCodes& unsaved);

}  // namespace labels
