#include "printer/qt/QtPrinterPapers.h"

#include <set>

#include "platform/qt/QtConvert.h"
#include "printer/PaperTable.h"

namespace printer::qt {

namespace {

// Settings-block paper codes are 1..255; Qt answers 0 (none) or 256 (custom) otherwise.
bool isStandardCode(int code) {
    return code > 0 && code < printer::kCustomPaper;
}

constexpr const char* kCustomPaperName = "Personalizzato";

QtPaper customPaper() {
    return {printer::kCustomPaper, kCustomPaperName, QPageSize()};
}

}  // namespace

QPageSize customPageSize(int widthTenthsMm, int heightTenthsMm) {
    // Exact: a custom size must keep its tenths of a millimetre, not snap to a nearby standard.
    return QPageSize(QSizeF(widthTenthsMm / 10.0, heightTenthsMm / 10.0), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

std::vector<QtPaper> spoolerPapers(const QPrinterInfo& printer) {
    std::vector<QtPaper> papers;
    std::set<int> used;
    int nextDriverCode = printer::kCustomPaper + 1;
    for (const QPageSize& size : printer.supportedPageSizes()) {
        int code = size.windowsId();
        // Two listed sizes may claim one code (a borderless variant); the later one gets its own.
        if (!isStandardCode(code) || used.count(code)) code = nextDriverCode++;
        used.insert(code);
        papers.push_back({code, platform::qt::fromQString(size.name()), size});
    }
    if (printer.supportsCustomPageSizes()) papers.push_back(customPaper());
    return papers;
}

std::vector<QtPaper> filePrinterPapers() {
    std::vector<QtPaper> papers;
    for (const printer::PaperRow& row : printer::kPaperTable) {
        if (row.code == printer::kCustomPaper) continue;
        const QPageSize::PageSizeId id = QPageSize::id(row.code);
        const QPageSize size =
            id != QPageSize::Custom ? QPageSize(id) : customPageSize(row.width, row.height);
        papers.push_back({row.code, platform::qt::fromQString(size.name()), size});
    }
    papers.push_back(customPaper());
    return papers;
}

const QtPaper* findPaper(const std::vector<QtPaper>& papers, int code) {
    for (const QtPaper& paper : papers)
        if (paper.code == code) return &paper;
    return nullptr;
}

int paperCodeOf(const std::vector<QtPaper>& papers, const QPageSize& size) {
    for (const QtPaper& paper : papers)
        if (paper.size.isValid() && paper.size.isEquivalentTo(size)) return paper.code;
    return 0;
}

}  // namespace printer::qt
