// The barcode object's stream record, its printing into a prepared page and its registration.
#include <gtest/gtest.h>

#include <map>

#include "barcode_object/BarcodeRegistration.h"
#include "report/ExpressionHook.h"
#include "report/ObjectRegistry.h"
#include "report/TemplateStream.h"
#include "tests/barcode_object/BarcodeViewTestSupport.h"

using namespace barcode;
using namespace barcode_view_test;
using namespace barcode_object;

namespace {

// Values of whole expressions by their text; an unknown expression fails.
class FieldValues : public report::ExpressionHost {
public:
    std::map<std::string, std::string> values;
    void expandLines(std::vector<std::string>&, report::View&) override {}
    std::string expandText(const std::string& text, report::View&) override {
        return text == "[PAGE#]" ? "2" : text;
    }
    bool isTrue(const std::string&, report::View&) override { return false; }
    std::optional<std::string> evaluateToText(const std::string& e, report::View&) override {
        auto it = values.find(e);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void runScript(const std::vector<std::string>&, report::View&) override {}
};

std::unique_ptr<report::View> printedBack(const std::vector<std::uint8_t>& bytes) {
    registerBarCodeObject();
    platform::ByteReader in(bytes);
    auto view = report::readPrintedObject(in, 24);
    EXPECT_TRUE(in.atEnd());
    return view;
}

}  // namespace

TEST(BarcodeViewRecord, NewObjectHasTheDocumentedSettings) {
    BarcodeObject bar;
    EXPECT_EQ(bar.memo, std::vector<std::string>{"12345678"});
    EXPECT_EQ(bar.baseName(), "Bar");
    EXPECT_TRUE(bar.settings.withCheckSum);
    EXPECT_TRUE(bar.settings.showText);
    EXPECT_EQ(bar.settings.barType, bcCode39);
    EXPECT_EQ(bar.settings.modul, 1);
    EXPECT_EQ(bar.settings.ratio, 2.0);
    const auto names = bar.propertyNames();
    EXPECT_EQ(std::vector<std::string>(names.end() - 2, names.end()),
              (std::vector<std::string>{"Barcode", "DataField"}));
}

TEST(BarcodeViewRecord, TailIsTwentyFourPackedBytesAfterTheBodyAndReadsBackUnchanged) {
    BarcodeObject bar;
    setUpLabel(bar, "[kb1.\"giorno\"]");
    bar.settings.reserved = 0x5A;  // unused, but carried through
    platform::ByteWriter body;
    static_cast<const report::View&>(bar).View::writeRecord(body, report::RecordKind::Template,
                                                            bar.ownFields());
    platform::ByteWriter out;
    bar.saveToStream(out);
    ASSERT_EQ(out.bytes().size(), body.bytes().size() + kBarcodeTailSize);
    const std::vector<std::uint8_t> tail(out.bytes().end() - kBarcodeTailSize, out.bytes().end());
    EXPECT_EQ(tail, (std::vector<std::uint8_t>{0, 1, 0x5A, 3,    1, 0, 0, 0, 0, 0, 0, 0,
                                               0, 0, 0,    0x40, 0, 0, 0, 0, 0, 0, 0, 0}));
    BarcodeObject back;
    platform::ByteReader in(out.bytes());
    back.loadFromStream(in, 24);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(back.settings.reserved, 0x5A);
    EXPECT_FALSE(back.settings.withCheckSum);
    EXPECT_EQ(back.memo, bar.memo);
    platform::ByteWriter again;
    back.saveToStream(again);
    EXPECT_EQ(again.bytes(), out.bytes());
}

TEST(BarcodeViewRecord, CutTailFailsWithAStreamError) {
    BarcodeObject bar;
    platform::ByteWriter out;
    bar.saveToStream(out);
    for (std::size_t cut = 1; cut <= kBarcodeTailSize; ++cut) {
        BarcodeObject back;
        platform::ByteReader in(out.bytes().data(), out.bytes().size() - cut);
        EXPECT_THROW(back.loadFromStream(in, 24), platform::StreamError) << cut;
    }
}

TEST(BarcodeViewPrinting, FirstLineIsEvaluatedAndAFailureBecomesZero) {
    struct Case {
        const char* value;  // nullptr: the expression fails
        std::vector<std::string> printed;
    };
    for (const Case& c : {Case{"ABC123", {"ABC123", "second [x]"}}, Case{nullptr, {"0", "second [x]"}},
                          Case{"", {"", "second [x]"}}}) {
        FieldValues expressions;
        if (c.value) expressions.values["[kb1.\"giorno\"]"] = c.value;
        BarcodeObject bar;
        setUpLabel(bar, "[kb1.\"giorno\"]");
        bar.memo.push_back("second [x]");  // later lines are never evaluated
        bar.tag = "[PAGE#]";
        platform::ByteWriter out;
        report::PrintContext context{out, &expressions, nullptr, {}};
        ASSERT_TRUE(bar.print(context));
        EXPECT_EQ(bar.memo.front(), "[kb1.\"giorno\"]");
        EXPECT_EQ(bar.tag, "[PAGE#]");
        auto printed = printedBack(out.bytes());
        auto* back = dynamic_cast<BarcodeObject*>(printed.get());
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->memo, c.printed);
        EXPECT_EQ(back->tag, "2");
        EXPECT_FALSE(back->settings.withCheckSum);
    }
}

TEST(BarcodeViewPrinting, EmptyValuePrintsAnEmptyLabel) {
    FieldValues expressions;
    expressions.values["[kb1.\"giorno\"]"] = "";
    BarcodeObject bar;
    setUpLabel(bar, "[kb1.\"giorno\"]");
    platform::ByteWriter out;
    report::PrintContext context{out, &expressions, nullptr, {}};
    ASSERT_TRUE(bar.print(context));
    auto printed = printedBack(out.bytes());
    ASSERT_NE(printed, nullptr);
    printed->fillColor = platform::kWhite;
    FlatCanvas canvas;
    printed->draw(canvas);
    EXPECT_TRUE(canvas.records().empty()) << canvas.describe();
}

TEST(BarcodeViewPrinting, InvisibleObjectWritesNothing) {
    BarcodeObject bar;
    bar.visible = false;
    platform::ByteWriter out;
    report::PrintContext context{out, nullptr, nullptr, {}};
    EXPECT_FALSE(bar.print(context));
    EXPECT_TRUE(out.bytes().empty());
}

TEST(BarcodeViewRegistration, RegisteringTwiceKeepsTheFirstRegistration) {
    report::unregisterAddIn(kBarCodeViewClassName);
    EXPECT_EQ(report::createAddIn(kBarCodeViewClassName), nullptr);
    registerBarCodeObject();
    auto created = report::createAddIn(kBarCodeViewClassName);
    EXPECT_NE(dynamic_cast<BarcodeObject*>(created.get()), nullptr);

    int calls = 0;
    report::registerAddIn(kBarCodeViewClassName, [&calls] {
        ++calls;
        return std::make_unique<BarcodeObject>();
    });
    registerBarCodeObject();
    report::createAddIn(kBarCodeViewClassName);
    EXPECT_EQ(calls, 1);
    report::unregisterAddIn(kBarCodeViewClassName);
    registerBarCodeObject();
}
