#include "report/BandView.h"

#include <array>

#include "report/StoredRange.h"
#include "report/StreamText.h"

namespace report {
namespace {

constexpr std::array<const char*, 23> kBandTypeNames = {"Titolo report",
                                                        "Sommario report",
                                                        "Intestaz. pagina",
                                                        "Piede pagina",
                                                        "Intestaz. master",
                                                        "Dati master",
                                                        "Piede master",
                                                        "Intestaz. dettaglio",
                                                        "Dati dettaglio",
                                                        "Piede dettaglio",
                                                        "Intestaz. sotto-dettaglio",
                                                        "Dati sotto-dettaglio",
                                                        "Piede sotto-dettaglio",
                                                        "Pagina",
                                                        "Intestaz. colonna",
                                                        "Piede colonna",
                                                        "Intestaz. gruppo",
                                                        "Piede gruppo",
                                                        "Intestaz. crosstab",
                                                        "Dati crosstab",
                                                        "Piede crosstab",
                                                        "Figlio",
                                                        "Nessuno"};

struct BandFlagProperty {
    const char* upperName;
    const char* name;
    std::uint16_t bit;
};
constexpr BandFlagProperty kBandFlagProperties[] = {
    {"FORMNEWPAGE", "FormNewPage", kBandFormNewPage},
    {"PRINTIFSUBSETEMPTY", "PrintIfSubsetEmpty", kBandPrintIfSubsetEmpty},
    {"BREAKED", "Breaked", kBandBreakable},  // the name templates and expressions use
    {"ONFIRSTPAGE", "OnFirstPage", kBandOnFirstPage},
    {"ONLASTPAGE", "OnLastPage", kBandOnLastPage},
    {"REPEATHEADER", "RepeatHeader", kBandRepeatHeader},
    {"PRINTCHILDIFINVISIBLE", "PrintChildIfInvisible", kBandPrintChildIfInvisible},
};

// Layout level above which the band tail carries the Master name.
constexpr int kMasterLayout = 20;

}  // namespace

std::string bandTypeName(int type) {
    if (type < 0 || type >= static_cast<int>(kBandTypeNames.size())) return {};
    return kBandTypeNames[static_cast<std::size_t>(type)];
}

BandView::BandView() : View(kBandObject) {
    flags = kBandOnFirstPage | kBandOnLastPage;
    formatCode = 0;
}

void BandView::readRecord(platform::ByteReader& in, int version, RecordKind kind) {
    View::readRecord(in, version, kind);
    if (version < 24) return;
    childBand = readString(in, version);
    columns = checkedPosition(in.i32());
    columnWidth = checkedPosition(in.i32());
    columnGap = checkedPosition(in.i32());
    newColumnAfter = checkedPosition(in.i32());
    if (layoutMajor * 10 + layoutMinor > kMasterLayout) master = readString(in, version);
}

void BandView::writeRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const {
    View::writeRecord(out, kind, fields);
    writeString(out, childBand);
    out.i32(columns);
    out.i32(columnWidth);
    out.i32(columnGap);
    out.i32(newColumnAfter);
    writeString(out, master);  // bands are written as layout 2.1, which carries it
}

bool BandView::setProperty(const std::string& propertyName, const PropertyValue& value) {
    const std::string n = upper(propertyName);
    for (const auto& f : kBandFlagProperties) {
        if (n == f.upperName) {
            flags = static_cast<std::uint16_t>(propertyAsBool(value) ? (flags | f.bit) : (flags & ~f.bit));
            return true;
        }
    }
    if (band && (n == "LEFT" || n == "TOP" || n == "WIDTH" || n == "HEIGHT" || n == "EOF")) return false;
    if (n == "CHILDBAND")
        childBand = propertyAsText(value);
    else if (n == "MASTER")
        master = propertyAsText(value);
    else if (n == "CONDITION" || n == "DATASOURCE")
        formatText = propertyAsText(value);
    else if (n == "COLUMNS")
        columns = static_cast<int>(propertyAsInt(value));
    else if (n == "COLUMNGAP")
        columnGap = static_cast<int>(propertyAsInt(value));
    else if (n == "NEWCOLUMNAFTER")
        newColumnAfter = static_cast<int>(propertyAsInt(value));
    else if (n == "COLUMNWIDTH")
        columnWidth = static_cast<int>(propertyAsInt(value));
    else
        return View::setProperty(propertyName, value);
    return true;
}

PropertyValue BandView::property(const std::string& propertyName) const {
    const std::string n = upper(propertyName);
    for (const auto& f : kBandFlagProperties)
        if (n == f.upperName) return (flags & f.bit) != 0;
    // While preparing, geometry and visibility come from the run-time band.
    if (band) {
        const platform::Rect r = band->bounds();
        if (n == "LEFT") return static_cast<long long>(r.left);
        if (n == "TOP") return static_cast<long long>(r.top);
        if (n == "WIDTH") return static_cast<long long>(r.width());
        if (n == "HEIGHT") return static_cast<long long>(r.height());
        if (n == "VISIBLE") return band->visible();
        if (n == "EOF") return band->eof();
    }
    if (n == "EOF") return false;
    if (n == "CHILDBAND") return childBand;
    if (n == "MASTER") return master;
    if (n == "CONDITION" || n == "DATASOURCE") return formatText;
    if (n == "COLUMNS") return static_cast<long long>(columns);
    if (n == "COLUMNGAP") return static_cast<long long>(columnGap);
    if (n == "NEWCOLUMNAFTER") return static_cast<long long>(newColumnAfter);
    if (n == "COLUMNWIDTH") return static_cast<long long>(columnWidth);
    return View::property(propertyName);
}

bool BandView::callMethod(const std::string& methodName) {
    const std::string m = upper(methodName);
    if (m == "NEXT" || m == "PRIOR" || m == "FIRST") return band && band->callMethod(m);
    return View::callMethod(methodName);
}

std::vector<std::string> BandView::propertyNames() const {
    auto names = View::propertyNames();
    names.insert(names.end(), {"ChildBand", "Master"});
    for (const auto& f : kBandFlagProperties) names.emplace_back(f.name);
    names.insert(names.end(),
                 {"Condition", "Columns", "ColumnGap", "NewColumnAfter", "ColumnWidth", "DataSource", "EOF"});
    return names;
}

void BandView::draw(platform::Canvas& canvas, const DrawEnvironment& env) const {
    if (env.mode == DocumentMode::Printing) return;
    drawBackground(canvas, env, prepareDraw(box(), env.scale));
}

}  // namespace report
