// The papers a printer offers, as paper codes of a printer settings block with their names and
// Qt page sizes. Standard sizes keep their settings-block code; sizes that have none get codes
// above the custom-paper code, numbered in list order, as drivers do with their own papers.
#pragma once

#include <QPageSize>
#include <QPrinterInfo>
#include <string>
#include <vector>

namespace printer::qt {

struct QtPaper {
    int code = 0;
    std::string name;
    QPageSize size;  // invalid for the custom paper, whose size comes with the settings
};

// The papers of a spooler printer, and the custom paper when the printer takes any size.
std::vector<QtPaper> spoolerPapers(const QPrinterInfo& printer);
// The file printer's papers: every size of the standard paper table and the custom paper.
std::vector<QtPaper> filePrinterPapers();

// The paper with this code, or null.
const QtPaper* findPaper(const std::vector<QtPaper>& papers, int code);
// The code of the listed paper equivalent to size, or 0 when the list has none.
int paperCodeOf(const std::vector<QtPaper>& papers, const QPageSize& size);
// A page size of width x height tenths of a millimetre, portrait.
QPageSize customPageSize(int widthTenthsMm, int heightTenthsMm);

}  // namespace printer::qt
