#include "barcode_object/BarcodeObject.h"

#include <optional>

#include "report/ExpressionHook.h"
#include "report/StoredRange.h"

namespace barcode_object {

BarcodeObject::BarcodeObject() {
    memo = {kPlaceholderText};
}

std::vector<std::string> BarcodeObject::propertyNames() const {
    std::vector<std::string> names = View::propertyNames();
    names.emplace_back("Barcode");
    names.emplace_back("DataField");
    return names;
}

BarcodeRecord readBarcodeTail(platform::ByteReader& in) {
    BarcodeRecord r;
    r.withCheckSum = in.u8() != 0;
    r.showText = in.u8() != 0;
    r.reserved = in.u8();
    r.barType = in.u8();
    r.modul = report::checkedPosition(in.i32());
    r.ratio = in.f64();
    r.angle = in.f64();
    return r;
}

void writeBarcodeTail(platform::ByteWriter& out, const BarcodeRecord& r) {
    out.u8(r.withCheckSum ? 1 : 0);
    out.u8(r.showText ? 1 : 0);
    out.u8(r.reserved);
    out.u8(r.barType);
    out.i32(r.modul);
    out.f64(r.ratio);
    out.f64(r.angle);
}

// The tail is the same in the template and the printing variant of the body.
void BarcodeObject::readRecord(platform::ByteReader& in, int version, report::RecordKind kind) {
    View::readRecord(in, version, kind);
    settings = readBarcodeTail(in);
}

void BarcodeObject::writeRecord(platform::ByteWriter& out, report::RecordKind kind,
                                const report::RecordFields& fields) const {
    View::writeRecord(out, kind, fields);
    writeBarcodeTail(out, settings);
}

bool BarcodeObject::print(report::PrintContext& context) {
    workingLines = memo;
    report::ExpressionHost* expressions = context.expressions;
    if (expressions) expressions->runScript(script, *this);
    if (!visible) return false;
    const std::string tagText = printedTag(context);
    // Only a first line that is one expression is evaluated; a failure leaves "0", which
    // draws as an empty label.
    if (expressions && !workingLines.empty() && workingLines[0].starts_with('['))
        workingLines[0] = expressions->evaluateToText(workingLines[0], *this).value_or("0");
    writePrintedRecord(context.out, {box(), fillColor, workingLines, tagText});
    return true;
}

}  // namespace barcode_object
