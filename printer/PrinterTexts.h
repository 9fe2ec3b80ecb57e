// Numbers of the UI texts the printer shows.
#pragma once

namespace printer {

inline constexpr int kVirtualPrinterText = 55007;  // "Stampante virtuale"
inline constexpr int kFirstPaperNameText = 55008;  // names of the 67 table papers
inline constexpr int kDefaultBinText = 55435;      // name of the "printer's default" bin

}  // namespace printer
