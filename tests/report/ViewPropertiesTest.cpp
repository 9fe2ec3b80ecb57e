// Properties served by name, defaults of new objects and the add-in registry.
#include <gtest/gtest.h>

#include "report/BandView.h"
#include "report/ComponentRegistry.h"
#include "report/LineView.h"
#include "report/MemoView.h"
#include "report/ObjectRegistry.h"
#include "report/PictureView.h"
#include "report/Report.h"

using namespace report;

TEST(ViewProperties, DefaultsOfNewObjects) {
    MemoView memo;
    EXPECT_EQ(memo.flags, 3);
    EXPECT_EQ(memo.fillColor, platform::kNoColor);
    EXPECT_DOUBLE_EQ(memo.frameWidth, 1.0);
    EXPECT_EQ(memo.formatCode, 556);
    EXPECT_EQ(std::tie(memo.gapX, memo.gapY, memo.lineSpacing, memo.charSpacing),
              std::make_tuple(2, 1, 2, 0));
    EXPECT_EQ(memo.font.name, "Arial");
    EXPECT_EQ(memo.font.size, 10);
    EXPECT_EQ(memo.highlight.fillColor, platform::kWhite);
    BandView band;
    EXPECT_EQ(band.flags, 0x30);
    EXPECT_EQ(band.formatCode, 0);
    EXPECT_EQ(std::tie(band.columns, band.columnWidth, band.columnGap, band.newColumnAfter),
              std::make_tuple(1, 200, 20, 1));
    LineView line;
    EXPECT_EQ(line.frameTyp, kFrameLeft);
    EXPECT_EQ(line.fillColor, platform::kWhite);
    PictureView picture;
    EXPECT_EQ(picture.flags, 5);
    View view;
    EXPECT_EQ(view.objectType(), kAddInObject);
    EXPECT_LT(memo.serial(), band.serial());
}

TEST(ViewProperties, ReadAndWrittenByNameWithoutRegardToCase) {
    MemoView memo;
    struct Case {
        const char* name;
        PropertyValue value;
    } cases[] = {
        {"left", 12LL},
        {"TOP", 7LL},
        {"Width", 50LL},
        {"Height", 20LL},
        {"FrameTyp", 15LL},
        {"FrameWidth", 2.5},
        {"FillColor", 255LL},
        {"Visible", false},
        {"GapX", 4LL},
        {"Tag", std::string("t")},
        {"Font.Name", std::string("Courier New")},
        {"Font.Size", 14LL},
        {"Alignment", 2LL},
        {"LineSpacing", 4LL},
        {"WordBreak", true},
        {"Suppress", true},
        {"HideZeros", true},
        {"Underlines", true},
        {"Name", std::string("M9")},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(memo.setProperty(c.name, c.value)) << c.name;
        EXPECT_EQ(memo.property(c.name), c.value) << c.name;
    }
    EXPECT_TRUE(memo.hasFlag(kMemoWordBreak));
    EXPECT_FALSE(memo.setProperty("NoSuchThing", 1LL));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(memo.property("NoSuchThing")));
}

TEST(ViewProperties, MemoTextDataFieldAndMethods) {
    MemoView memo;
    memo.setProperty("Memo", std::string("a\r\nb"));
    EXPECT_EQ(memo.memo, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(memo.property("Memo.Count"), PropertyValue(2LL));
    memo.setProperty("DataField", std::string("kb1.\"giorno\""));
    EXPECT_EQ(memo.memo, std::vector<std::string>{"[kb1.\"giorno\"]"});
    EXPECT_EQ(memo.property("DataField"), PropertyValue(std::string("kb1.\"giorno\"")));
    EXPECT_TRUE(memo.callMethod("hide"));
    EXPECT_FALSE(memo.visible);
    EXPECT_TRUE(memo.callMethod("SHOW"));
    EXPECT_TRUE(memo.visible);
    EXPECT_FALSE(memo.callMethod("NEXT"));
}

namespace {

class FixedBand : public BandRuntime {
public:
    platform::Rect bounds() const override { return {18, 96, 1053, 174}; }
    bool visible() const override { return false; }
    bool callMethod(const std::string& m) override {
        calls.push_back(m);
        return true;
    }
    std::vector<std::string> calls;
};

}  // namespace

TEST(ViewProperties, BandFlagsDataSourceAndRunTimeGeometry) {
    BandView band;
    band.top = 28;
    EXPECT_TRUE(band.setProperty("RepeatHeader", true));
    EXPECT_EQ(band.flags, 0x30 | kBandRepeatHeader);
    band.setProperty("DataSource", std::string("frDBDataSet1"));
    EXPECT_EQ(band.dataSource(), "frDBDataSet1");
    EXPECT_EQ(band.property("Condition"), PropertyValue(std::string("frDBDataSet1")));
    EXPECT_EQ(band.property("Top"), PropertyValue(28LL));
    FixedBand runtime;
    band.band = &runtime;
    EXPECT_EQ(band.property("Top"), PropertyValue(96LL));
    EXPECT_EQ(band.property("Height"), PropertyValue(78LL));
    EXPECT_EQ(band.property("Visible"), PropertyValue(false));
    EXPECT_TRUE(band.callMethod("next"));
    EXPECT_EQ(runtime.calls, std::vector<std::string>{"NEXT"});
    EXPECT_EQ(bandTypeName(kBandMasterData), "Dati master");
    EXPECT_EQ(bandTypeName(23), "");
}

TEST(ViewProperties, GeneratedNamesTakeTheLowestFreeNumber) {
    Report r;
    Page& page = r.addPage();
    page.setName("Page1");
    for (const char* name : {"Memo1", "Memo3"}) {
        auto m = std::make_unique<MemoView>();
        m->setName(name);
        page.addObject(std::move(m));
    }
    EXPECT_EQ(r.uniqueObjectName("Memo"), "Memo2");
    EXPECT_EQ(r.uniqueObjectName("Line"), "Line1");
    EXPECT_EQ(r.uniquePageName(), "Page2");
    EXPECT_EQ(r.findObject("Memo3"), page.objects()[1].get());
}

TEST(ViewProperties, AddInRegistryAndComponents) {
    EXPECT_FALSE(isAddInRegistered("TfrSomething"));
    registerAddIn("TfrSomething", [] { return std::make_unique<View>(); });
    EXPECT_TRUE(isAddInRegistered("TfrSomething"));
    EXPECT_NE(createAddIn("TfrSomething"), nullptr);
    EXPECT_EQ(createAddIn("tfrsomething"), nullptr);  // exact names only
    unregisterAddIn("TfrSomething");
    EXPECT_EQ(createAddIn("TfrSomething"), nullptr);
    EXPECT_EQ(createBuiltInObject(7), nullptr);
    EXPECT_EQ(createBuiltInObject(kLineObject)->className(), "TfrLineView");

    ComponentRegistry components;
    int table = 0;
    components.add("kb1", &table);
    EXPECT_EQ(components.find<int>("kb1"), &table);
    EXPECT_EQ(components.find<double>("kb1"), nullptr);
    EXPECT_EQ(components.find<int>("kb2"), nullptr);
}
