// The encoder of every symbology, indexed by its code.
#include <array>

#include "barcode/Code128Family.h"
#include "barcode/Code39Family.h"
#include "barcode/Code93Family.h"
#include "barcode/EanUpcFamily.h"
#include "barcode/Encoders.h"
#include "barcode/TwoOfFiveFamily.h"

namespace barcode {

namespace {
const std::array<Encoder, kBarcodeTypeCount> kEncoders = {
    encodeInterleaved2of5,  //  0 bcCode_2_5_interleaved
    encodeIndustrial2of5,   //  1 bcCode_2_5_industrial
    encodeMatrix2of5,       //  2 bcCode_2_5_matrix
    encodeCode39,           //  3 bcCode39
    encodeCode39Extended,   //  4 bcCode39Extended
    encodeCode128,          //  5 bcCode128A
    encodeCode128,          //  6 bcCode128B
    encodeCode128,          //  7 bcCode128C
    encodeCode93,           //  8 bcCode93
    encodeCode93Extended,   //  9 bcCode93Extended
    encodeMSI,              // 10 bcCodeMSI
    encodePostNet,          // 11 bcCodePostNet
    encodeCodabar,          // 12 bcCodeCodabar
    encodeEAN8,             // 13 bcCodeEAN8
    encodeEAN13,            // 14 bcCodeEAN13
    encodeUPCA,             // 15 bcCodeUPC_A
    encodeUPCE,             // 16 bcCodeUPC_E0
    encodeUPCE,             // 17 bcCodeUPC_E1
    encodeAddOn2,           // 18 bcCodeUPC_Supp2
    encodeAddOn5,           // 19 bcCodeUPC_Supp5
    encodeCode128,          // 20 bcCodeEAN128A
    encodeCode128,          // 21 bcCodeEAN128B
    encodeCode128,          // 22 bcCodeEAN128C
};
}  // namespace

Encoder encoderFor(BarcodeType type) {
    return isKnownBarcodeType(type) ? kEncoders[type] : nullptr;
}

}  // namespace barcode
