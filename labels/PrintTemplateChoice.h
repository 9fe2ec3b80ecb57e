// Which label template prints the print list. A symbol wider than its label would run over its
// neighbour and neither would scan, so every code is measured on the labels of the template its
// fill command chose: the symbol's width for that text at the template's module and ratio
// against the label's width. When one does not fit, the list moves to the plain template with
// wider labels where every code fits, or is refused naming the code.
#pragma once

#include <optional>
#include <string>

#include "labels/LabelReports.h"
#include "labels/ReportKind.h"
#include "memtable/MemTable.h"
#include "report/Report.h"

namespace labels {

// A code whose symbol is wider than its label, measured in millimetres.
struct CodeTooWide {
    std::string code;
    int row = 0;    // 1-based row of the print list
    int count = 0;  // codes of the list that do not fit, this one included
    double symbolMm = 0;
    double labelMm = 0;
};

// The first code of the print list (field "giorno") whose symbol is wider than a label of the
// template, with the number of such codes; none when every code fits.
std::optional<CodeTooWide> firstCodeTooWide(report::Report& labelTemplate, memtable::MemTable& printList);

struct PrintTemplate {
    ReportKind kind = ReportKind::None;
    std::string notice;  // when kind is not the chosen template: which code moved the list, and where
};

// The template a print list prints on. `chosen` is the fill command's template; `mayMove` is
// false when the operator named the template himself (the command line's --template). Every
// code must also be carried by that template's bars. Throws AppError naming the code, its row
// and the cause when no template prints it as it reads. The templates are those of `reports`,
// laid out for the printer they print on.
PrintTemplate choosePrintTemplate(LabelReports& reports, memtable::MemTable& printList, ReportKind chosen,
                                  bool mayMove);

}  // namespace labels
