// The Code 39 character table (ISO/IEC 16388): 43 data characters and the start/stop '*',
// each with its nine elements and its modulo-43 check value.
#pragma once

#include <array>
#include <string_view>

namespace barcode {

struct Code39Entry {
    char character;
    std::string_view elements;  // 'n' narrow, 'w' wide; bar, space, bar, ... bar
    int checkValue;
};

// In check-value lookup order: the first entry with a value wins, so value 0 is '0'.
inline constexpr std::array<Code39Entry, 44> kCode39Table = {{
    {'0', "nnnwwnwnn", 0},  {'1', "wnnwnnnnw", 1},  {'2', "nnwwnnnnw", 2},  {'3', "wnwwnnnnn", 3},
    {'4', "nnnwwnnnw", 4},  {'5', "wnnwwnnnn", 5},  {'6', "nnwwwnnnn", 6},  {'7', "nnnwnnwnw", 7},
    {'8', "wnnwnnwnn", 8},  {'9', "nnwwnnwnn", 9},  {'A', "wnnnnwnnw", 10}, {'B', "nnwnnwnnw", 11},
    {'C', "wnwnnwnnn", 12}, {'D', "nnnnwwnnw", 13}, {'E', "wnnnwwnnn", 14}, {'F', "nnwnwwnnn", 15},
    {'G', "nnnnnwwnw", 16}, {'H', "wnnnnwwnn", 17}, {'I', "nnwnnwwnn", 18}, {'J', "nnnnwwwnn", 19},
    {'K', "wnnnnnnww", 20}, {'L', "nnwnnnnww", 21}, {'M', "wnwnnnnwn", 22}, {'N', "nnnnwnnww", 23},
    {'O', "wnnnwnnwn", 24}, {'P', "nnwnwnnwn", 25}, {'Q', "nnnnnnwww", 26}, {'R', "wnnnnnwwn", 27},
    {'S', "nnwnnnwwn", 28}, {'T', "nnnnwnwwn", 29}, {'U', "wwnnnnnnw", 30}, {'V', "nwwnnnnnw", 31},
    {'W', "wwwnnnnnn", 32}, {'X', "nwnnwnnnw", 33}, {'Y', "wwnnwnnnn", 34}, {'Z', "nwwnwnnnn", 35},
    {'-', "nwnnnnwnw", 36}, {'.', "wwnnnnwnn", 37}, {' ', "nwwnnnwnn", 38}, {'*', "nwnnwnwnn", 0},
    {'$', "nwnwnwnnn", 39}, {'/', "nwnwnnnwn", 40}, {'+', "nwnnnwnwn", 41}, {'%', "nnnwnwnwn", 42},
}};

}  // namespace barcode
