// The page list the operator types into the print dialog ("1,3,5-12", "7-") and the integer
// conversion it shares with the dialog's copies field.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace prepared {

// Message of a text that is not a whole number, as the platform's conversion reports it.
std::string notAnIntegerMessage(std::string_view text);

// The platform's integer conversion: optional leading blanks, an optional sign, decimal digits
// that fit an int. Anything else throws platform::Error with notAnIntegerMessage.
int integerFromText(std::string_view text);

// The pages a print run sends. An empty list means every page; a list that names no existing
// page (4-2, 20 of 10 pages) prints nothing rather than everything.
struct PageList {
    bool allPages = true;
    std::set<int> numbers;  // page numbers counted from 1; may name pages that do not exist

    bool includes(int pageNumber) const { return allPages || numbers.count(pageNumber) > 0; }
    friend bool operator==(const PageList&, const PageList&) = default;
};

// Reads a page list for a report of `pageCount` pages: spaces are ignored, pieces are separated
// by commas, "a-b" is a range (nothing when b < a) and a trailing dash runs to the last page.
// An empty or non-numeric piece (1,,2 or -3) throws platform::Error with the conversion message.
PageList parsePageList(std::string_view text, int pageCount);

}  // namespace prepared
