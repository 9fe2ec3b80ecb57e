// The Code 93 character table (AIM USS-93): 47 characters with their bar/space widths in
// modules (value = index), and the start and stop characters.
#pragma once

#include <array>
#include <string_view>

namespace barcode {

struct Code93Entry {
    char character;
    std::string_view widths;  // bar, space, bar, space, bar, space in modules
};

// Value = index. '[', ']', '{', '}' stand for the shift characters ($), (%), (/), (+).
inline constexpr std::array<Code93Entry, 47> kCode93Table = {{
    {'0', "131112"}, {'1', "111213"}, {'2', "111312"}, {'3', "111411"}, {'4', "121113"}, {'5', "121212"},
    {'6', "121311"}, {'7', "111114"}, {'8', "131211"}, {'9', "141111"}, {'A', "211113"}, {'B', "211212"},
    {'C', "211311"}, {'D', "221112"}, {'E', "221211"}, {'F', "231111"}, {'G', "112113"}, {'H', "112212"},
    {'I', "112311"}, {'J', "122112"}, {'K', "132111"}, {'L', "111123"}, {'M', "111222"}, {'N', "111321"},
    {'O', "121122"}, {'P', "131121"}, {'Q', "212112"}, {'R', "212211"}, {'S', "211122"}, {'T', "211221"},
    {'U', "221121"}, {'V', "222111"}, {'W', "112122"}, {'X', "112221"}, {'Y', "122121"}, {'Z', "123111"},
    {'-', "121131"}, {'.', "311112"}, {' ', "311211"}, {'$', "321111"}, {'/', "112131"}, {'+', "113121"},
    {'%', "211131"}, {'[', "121221"}, {']', "312111"}, {'{', "311121"}, {'}', "122211"},
}};

inline constexpr std::string_view kCode93Start = "111141";
// The stop character followed by its closing bar.
inline constexpr std::string_view kCode93Stop = "1111411";

}  // namespace barcode
