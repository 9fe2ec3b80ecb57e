// The code list files as they are read (cf0.txt, ESENZIONI.txt, OXY.txt) and the fiscal
// check of every code found in them.
#include <cstdint>
#include <string_view>

#include "labels/CodeListFiles.h"
#include "labels/FiscalCodeCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& code : labels::parseFiscalCodeList(text)) (void)labels::checkFiscalCode(code);
    for (const std::string& code : labels::parseCodeFile(text, 51)) (void)labels::checkFiscalCode(code);
    (void)labels::checkFiscalCode(text);
    (void)labels::formatFiscalCodeList(labels::parseFiscalCodeList(text));
    return 0;
}
