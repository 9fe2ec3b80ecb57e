// Encoders of EAN-8, EAN-13, UPC-A, UPC-E and the 2- and 5-digit add-ons
// (contract: barcode/Encoders.h). UPC-E serves both UPC_E0 and UPC_E1.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace barcode {

class BarcodeGenerator;

std::string encodeEAN8(BarcodeGenerator& generator);
std::string encodeEAN13(BarcodeGenerator& generator);
std::string encodeUPCA(BarcodeGenerator& generator);
std::string encodeUPCE(BarcodeGenerator& generator);
std::string encodeAddOn2(BarcodeGenerator& generator);
std::string encodeAddOn5(BarcodeGenerator& generator);

// --- Tables (ISO/IEC 15420), as module codes, four elements per digit ---
// L: odd parity, left half, starts with a space. G: even parity, left half, the R code read
// backwards. R: right half, starts with a bar.
extern const std::array<std::string_view, 10> kEanLCodes;
extern const std::array<std::string_view, 10> kEanGCodes;
extern const std::array<std::string_view, 10> kEanRCodes;
// Per EAN-13 leading digit: 'L' or 'G' for each of the six left-half digits.
extern const std::array<std::string_view, 10> kEan13FirstDigitParity;
// Per UPC-E check digit, number system 0: 'E' (G code) or 'O' (L code) for the six digits;
// number system 1 takes the opposite in every position.
extern const std::array<std::string_view, 10> kUpcEParity;
// Per five-digit add-on check digit: 'G' or 'L' for the five digits.
extern const std::array<std::string_view, 10> kAddOn5Parity;
// Per last digit of a UPC-E code: how its six digits expand to the 11 digits of the UPC-A
// number they stand for ('N' number system, '1'..'6' the UPC-E digits, '0' a filled zero).
extern const std::array<std::string_view, 10> kUpcEExpansion;

// The 11-digit UPC-A number (without check digit) that six UPC-E digits stand for.
std::string expandUpcE(char numberSystem, std::string_view sixDigits);

}  // namespace barcode
