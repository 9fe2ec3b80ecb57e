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
    EncodeIndustrial2of5,   //  1 bcCode_2_5_industrial
    EncodeMatrix2of5,       //  2 bcCode_2_5_matrix
    encodeCode39,           //  3 bcCode39
    EncodeCode39Extended,   //  4 bcCode39Extended
    encodeCode128,          //  5 bcCode128A
    encodeCode128,          //  6 bcCode128B
    encodeCode128,          //  7 bcCode128C
    encodeCode93,           //  8 bcCode93
    EncodeCode93Extended,   //  9 bcCode93Extended
    EncodeMSI,              // 10 bcCodeMSI
    EncodePostNet,          // 11 bcCodePostNet
    EncodeCodabar,          // 12 bcCodeCodabar
    encodeEAN8,             // 13 bcCodeEAN8
    EncodeEAN13,            // 14 bcCodeEAN13
    EncodeUPCA,             // 15 bcCodeUPC_A
    EncodeUPCE,             // 16 bcCodeUPC_E0
    EncodeUPCE,             // 17 bcCodeUPC_E1
    EncodeAddOn2,           // 18 bcCodeUPC_Supp2
    EncodeAddOn5,           // 19 bcCodeUPC_Supp5
    encodeCode128,          // 20 bcCodeEAN128A
    encodeCode128,          // 21 bcCodeEAN128B
    encodeCode128,          // 22 bcCodeEAN128C
};
}  // namespace

Encoder encoderFor(BarcodeType type) {
    return isKnownBarcodeType(type) ? kEncoders[type] : nullptr;
}

}  // namespace barcode
