// The properties every view serves by name.
#include <cctype>
#include <functional>
#include <string_view>

#include "report/View.h"

namespace report {
namespace {

struct ViewProperty {
    const char* name;
    std::function<PropertyValue(const View&)> get;
    std::function<void(View&, const PropertyValue&)> set;
};

template <typename T>
void setInt(T& field, const PropertyValue& v) {
    field = static_cast<T>(propertyAsInt(v));
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += lines[i];
    }
    return text;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty() || lines.empty()) lines.push_back(current);
    return lines;
}

// "[table."field"]" as the first memo line names a data field.
std::string dataFieldOf(const View& v) {
    if (v.memo.empty()) return {};
    const std::string& first = v.memo.front();
    if (first.size() >= 2 && first.front() == '[' && first.back() == ']')
        return first.substr(1, first.size() - 2);
    return {};
}

const std::vector<ViewProperty>& viewProperties() {
    static const std::vector<ViewProperty> table = {
        {"Left", [](const View& v) { return PropertyValue(static_cast<long long>(v.left)); },
         [](View& v, const PropertyValue& x) { setInt(v.left, x); }},
        {"Top", [](const View& v) { return PropertyValue(static_cast<long long>(v.top)); },
         [](View& v, const PropertyValue& x) { setInt(v.top, x); }},
        {"Width", [](const View& v) { return PropertyValue(static_cast<long long>(v.width)); },
         [](View& v, const PropertyValue& x) { setInt(v.width, x); }},
        {"Height", [](const View& v) { return PropertyValue(static_cast<long long>(v.height)); },
         [](View& v, const PropertyValue& x) { setInt(v.height, x); }},
        {"Flags", [](const View& v) { return PropertyValue(static_cast<long long>(v.flags)); },
         [](View& v, const PropertyValue& x) { setInt(v.flags, x); }},
        {"FrameTyp", [](const View& v) { return PropertyValue(static_cast<long long>(v.frameTyp)); },
         [](View& v, const PropertyValue& x) { setInt(v.frameTyp, x); }},
        {"FrameWidth", [](const View& v) { return PropertyValue(v.frameWidth); },
         [](View& v, const PropertyValue& x) { v.frameWidth = propertyAsDouble(x); }},
        {"FrameColor", [](const View& v) { return PropertyValue(static_cast<long long>(v.frameColor)); },
         [](View& v, const PropertyValue& x) { setInt(v.frameColor, x); }},
        {"FrameStyle", [](const View& v) { return PropertyValue(static_cast<long long>(v.frameStyle)); },
         [](View& v, const PropertyValue& x) { setInt(v.frameStyle, x); }},
        {"FillColor", [](const View& v) { return PropertyValue(static_cast<long long>(v.fillColor)); },
         [](View& v, const PropertyValue& x) { setInt(v.fillColor, x); }},
        {"Visible", [](const View& v) { return PropertyValue(v.visible); },
         [](View& v, const PropertyValue& x) { v.visible = propertyAsBool(x); }},
        {"Memo", [](const View& v) { return PropertyValue(joinLines(v.memo)); },
         [](View& v, const PropertyValue& x) { v.memo = splitLines(propertyAsText(x)); }},
        {"Memo.Count", [](const View& v) { return PropertyValue(static_cast<long long>(v.memo.size())); },
         nullptr},
        {"GapX", [](const View& v) { return PropertyValue(static_cast<long long>(v.gapX)); },
         [](View& v, const PropertyValue& x) { setInt(v.gapX, x); }},
        {"GapY", [](const View& v) { return PropertyValue(static_cast<long long>(v.gapY)); },
         [](View& v, const PropertyValue& x) { setInt(v.gapY, x); }},
        {"Stretched", [](const View& v) { return PropertyValue((v.flags & kFlagStretched) != 0); },
         [](View& v, const PropertyValue& x) {
             v.flags = static_cast<std::uint16_t>(propertyAsBool(x) ? (v.flags | kFlagStretched)
                                                                    : (v.flags & ~kFlagStretched));
         }},
        {"DataField", [](const View& v) { return PropertyValue(dataFieldOf(v)); },
         [](View& v, const PropertyValue& x) { v.memo = {"[" + propertyAsText(x) + "]"}; }},
        {"Tag", [](const View& v) { return PropertyValue(v.tag); },
         [](View& v, const PropertyValue& x) { v.tag = propertyAsText(x); }},
        {"BandAlign", [](const View& v) { return PropertyValue(static_cast<long long>(v.bandAlign)); },
         [](View& v, const PropertyValue& x) {
             v.bandAlign = static_cast<BandAlign>(propertyAsInt(x) & 0xFF);
         }},
        {"Restrictions", [](const View& v) { return PropertyValue(static_cast<long long>(v.restrictions)); },
         [](View& v, const PropertyValue& x) { setInt(v.restrictions, x); }},
    };
    return table;
}

const ViewProperty* findViewProperty(const std::string& upperName) {
    for (const auto& p : viewProperties()) {
        std::string_view n = p.name;
        if (n.size() != upperName.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < n.size() && same; ++i)
            same = std::toupper(static_cast<unsigned char>(n[i])) == static_cast<unsigned char>(upperName[i]);
        if (same) return &p;
    }
    return nullptr;
}

}  // namespace

bool View::setProperty(const std::string& propertyName, const PropertyValue& value) {
    if (const ViewProperty* p = findViewProperty(upper(propertyName))) {
        if (!p->set) return false;
        p->set(*this, value);
        return true;
    }
    return Object::setProperty(propertyName, value);
}

PropertyValue View::property(const std::string& propertyName) const {
    if (const ViewProperty* p = findViewProperty(upper(propertyName))) return p->get(*this);
    return Object::property(propertyName);
}

bool View::callMethod(const std::string& methodName) {
    const std::string m = upper(methodName);
    if (m == "HIDE" || m == "SHOW") {
        visible = m == "SHOW";
        return true;
    }
    return Object::callMethod(methodName);
}

std::vector<std::string> View::propertyNames() const {
    std::vector<std::string> names = Object::propertyNames();
    for (const auto& p : viewProperties()) names.emplace_back(p.name);
    return names;
}

}  // namespace report
