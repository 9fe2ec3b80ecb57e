// Paper sources: the bin codes of a printer settings block against Qt's paper sources.
#pragma once

#include <QPrinter>
#include <optional>

namespace printer::qt {

// The settings-block bin code of a Qt paper source; automatic selection for sources the
// table does not know.
int binCodeOf(QPrinter::PaperSource source);
// The Qt paper source of a bin code, or none for a code the table does not know.
std::optional<QPrinter::PaperSource> paperSourceOf(int binCode);

}  // namespace printer::qt
