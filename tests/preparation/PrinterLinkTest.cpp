// Template loading and the printer: selecting the stored printer, fitting paper, the virtual
// printer's stored name, the dictionary layouts read with it.
#include <gtest/gtest.h>

#include "preparation/ReportPrinterLink.h"
#include "report/StreamText.h"
#include "tests/report/ReportTestSupport.h"

using namespace report;
using namespace preparation;

namespace {

// Records what loading asks of the printer; refuses paper codes listed in `refused`.
class ScriptedPrinter : public PrinterLink {
public:
    std::vector<std::string> installed = {"Ufficio"};
    std::string current = "Ufficio";
    std::vector<int> refused;
    std::vector<PaperSettings> asked;

    std::string currentPrinterName() const override { return current; }
    bool isVirtualPrinter() const override { return false; }
    bool hasPrinter(const std::string& name) const override {
        return std::find(installed.begin(), installed.end(), name) != installed.end();
    }
    void selectPrinter(const std::string& name) override { current = name; }
    std::optional<PaperSettings> applyPaper(const PaperSettings& wanted) override {
        asked.push_back(wanted);
        if (std::find(refused.begin(), refused.end(), wanted.paperSize) != refused.end()) return std::nullopt;
        PaperSettings chosen = wanted;
        chosen.geometry[0] = 4242;
        return chosen;
    }
    PaperSettings defaultPaper() const override { return {}; }
};

std::vector<std::uint8_t> seriesBytes(const std::string& printerName, bool useDefault = false) {
    report_test::FakeBarcodeRegistration reg;
    Report r;
    report_test::buildSeriesTemplate(r);
    r.printerName = printerName;
    r.useDefaultPrinter = useDefault;
    return r.saveToStream();
}

}  // namespace

TEST(PrinterLink, StoredPrinterIsSelectedOnlyWhenInstalledAndNotOverridden) {
    struct Case {
        std::string stored;
        bool useDefault;
        std::string selected;
    } cases[] = {
        {"Etichette", false, "Etichette"},
        {"PCL6 V4 Driver for Universal Print", false, "Ufficio"},
        {"Etichette", true, "Ufficio"},
    };
    for (const auto& c : cases) {
        ScriptedPrinter printer;
        printer.installed.push_back("Etichette");
        Report r;
        r.printer = &printer;
        ASSERT_TRUE(r.loadFromStream(seriesBytes(c.stored, c.useDefault)));
        EXPECT_EQ(printer.current, c.selected) << c.stored;
        EXPECT_EQ(r.printerName, c.stored);
    }
}

TEST(PrinterLink, PagesTakeThePaperThePrinterChoseAndRetryACustomSize) {
    ScriptedPrinter printer;
    printer.refused = {9};
    Report r;
    r.printer = &printer;
    ASSERT_TRUE(r.loadFromStream(seriesBytes("Ufficio")));
    ASSERT_EQ(printer.asked.size(), 2u);
    EXPECT_EQ(printer.asked[1].paperSize, 256);
    EXPECT_EQ(printer.asked[1].bin, 0xFFFF);
    EXPECT_EQ(r.page(0).paperSize, 256);
    EXPECT_EQ(r.page(0).paperWidth, 2970);
    EXPECT_EQ(r.page(0).printerGeometry[0], 4242);
}

TEST(PrinterLink, VirtualPrinterOfTheProgramKeepsA4LandscapeAndIsSavedAsItsMark) {
    report_test::FakeBarcodeRegistration reg;
    printer::Printer printer;
    printer.attachPrinter(nullptr);
    ReportPrinterLink link(printer);
    Report r;
    r.printer = &link;
    ASSERT_TRUE(r.loadFromStream(seriesBytes("PCL6 V4 Driver for Universal Print")));
    const Page& page = r.page(0);
    EXPECT_EQ(std::make_tuple(page.paperSize, page.paperWidth, page.paperHeight, page.orientation),
              std::make_tuple(9, 2970, 2100, 1));
    EXPECT_NE(page.printerGeometry, (std::array<std::int32_t, 12>{}));
    const auto resaved = r.saveToStream();
    // Header: version, two flags, then the one-character name of the virtual printer.
    EXPECT_EQ(std::vector<std::uint8_t>(resaved.begin() + 5, resaved.begin() + 9),
              (std::vector<std::uint8_t>{1, 0, 1, 0}));
}

TEST(PrinterLink, FailedLoadLeavesOnePageWithThePrintersDefaultPaper) {
    ScriptedPrinter printer;
    Report r;
    r.printer = &printer;
    auto bytes = seriesBytes("Ufficio");
    bytes.resize(60);
    EXPECT_FALSE(r.loadFromStream(bytes));
    ASSERT_EQ(r.pageCount(), 1);
    EXPECT_EQ(r.page(0).paperSize, PaperSettings{}.paperSize);
}

TEST(DataDictionary, RoundTripAndOlderNamingConvention) {
    DataDictionary d;
    d.variables = {{" Totali", ""}, {"Somma", "SUM([x])"}};
    d.fieldAliases = {{"Codici", "kb1"}};
    platform::ByteWriter out;
    d.saveToStream(out);
    DataDictionary back;
    platform::ByteReader in(out.bytes());
    back.loadFromStream(in, 24);
    EXPECT_EQ(back, d);

    // A first name without a leading blank: every heading mark is flipped.
    DataDictionary old;
    old.variables = {{"Totali", ""}, {" Somma", "SUM([x])"}};
    platform::ByteWriter oldOut;
    old.saveToStream(oldOut);
    platform::ByteReader oldIn(oldOut.bytes());
    back.loadFromStream(oldIn, 24);
    EXPECT_EQ(back.variables, (NamedValues{{" Totali", ""}, {"Somma", "SUM([x])"}}));
}

TEST(DataDictionary, OldestLayoutMakesVariablesFromAliases) {
    platform::ByteWriter out;
    out.i32(2);
    auto shortString = [&](const std::string& s) {
        out.u8(static_cast<std::uint8_t>(s.size()));
        for (char c : s) out.u8(static_cast<std::uint8_t>(c));
    };
    out.u8(1);  // field reference
    out.i32(0);
    shortString("kb1");
    shortString("giorno");
    shortString("Giorno");
    out.u8(2);  // built-in variable
    out.i32(3);
    shortString("");
    shortString("");
    shortString("Pagina");
    platform::ByteWriter names;
    writeStringList(names, {" Giorno", " Pagina", "Sezione"});
    out.append(names.bytes());
    DataDictionary d;
    platform::ByteReader in(out.bytes());
    d.loadFromStream(in, 24);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(d.variables,
              (NamedValues{{" Giorno", "kb1.\"giorno\""}, {" Pagina", "PAGE#"}, {"Sezione", ""}}));
    EXPECT_TRUE(d.fieldAliases.empty());
}

TEST(DataDictionary, HugeCountsFailOnTheMissingBytesWithoutAllocating) {
    platform::ByteWriter out;
    out.i16(-2);
    out.i32(0x7FFFFFFF);
    DataDictionary d;
    platform::ByteReader in(out.bytes());
    EXPECT_THROW(d.loadFromStream(in, 24), platform::StreamError);
}
