// Puts a generator's Text back when leaving a scope, also when an encoder throws: the
// full-ASCII encoders encode an expanded text but must leave the caller's text in place.
#pragma once

#include <string>

#include "barcode/BarcodeGenerator.h"

namespace barcode {

class KeptText {
public:
    explicit KeptText(BarcodeGenerator& generator) : generator_(generator), kept_(generator.text()) {}
    ~KeptText() { generator_.storeText(kept_); }
    KeptText(const KeptText&) = delete;
    KeptText& operator=(const KeptText&) = delete;
    const std::string& text() const { return kept_; }

private:
    BarcodeGenerator& generator_;
    std::string kept_;
};

}  // namespace barcode
