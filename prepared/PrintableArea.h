// Whether the current printer can reach everything a print run would send it. A label sheet is
// placed from the paper's edges whatever the printer; a printer whose printable area is
// smaller than the sheet's layout clips what lies outside it, and the operator is told before
// the job begins.
#pragma once

#include <string>

#include "prepared/PreparedPages.h"
#include "prepared/PrintRunOptions.h"

namespace prepared {

struct OutsidePrintableArea {
    int objects = 0;        // objects of the chosen pages that reach outside; 0 = none
    int firstPage = 0;      // the first page holding one, from 1
    double farthestMm = 0;  // how far the worst one reaches outside
};

// The chosen pages as the current printer would print them (its paper, its printable area, its
// offset). A bad page list throws platform::Error. The virtual printer clips nothing.
OutsidePrintableArea findOutsidePrintableArea(PreparedPages& pages, const PrintOptions& options);

// "Su «NAME» 3 etichette escono dall'area stampabile (fino a 1,2 mm, dalla pagina 1) e
// verrebbero tagliate. Stampare comunque?"
std::string outsidePrintableAreaQuestion(const OutsidePrintableArea& outside, const std::string& printerName);

}  // namespace prepared
