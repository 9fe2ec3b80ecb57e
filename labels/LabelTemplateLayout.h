// The label templates as tables: the page settings and the objects of each, in stream order.
#pragma once

#include <span>
#include <string_view>
#include <variant>

namespace labels {

struct TemplateBand {
    std::string_view name;
    int bandType;
    int top;
    int height;
    std::string_view dataSource;
};

// The barcode "Bar1" that prints the record's code.
struct TemplateBarcode {
    int left;
    int top;
    int height;
};

struct TemplateText {
    std::string_view name;
    int left, top, width, height;
    std::string_view text;
    int points;
    int style;
    int frameTyp = 0;
    double frameWidth = 1;
};

// A horizontal rule (its top edge).
struct TemplateRule {
    std::string_view name;
    int left, top, width;
};

using TemplateObject = std::variant<TemplateBand, TemplateBarcode, TemplateText, TemplateRule>;

struct LabelTemplateLayout {
    int pageColumns;
    std::span<const TemplateObject> objects;
};

// Layout of template n (1..4); std::out_of_range for any other n.
const LabelTemplateLayout& labelTemplateLayout(int n);

}  // namespace labels
