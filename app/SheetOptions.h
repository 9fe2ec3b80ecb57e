// The command-line options of sheet use and printer calibration: --start N (first label
// position of a used sheet), --copies K (each label K times in a row) and --offset X,Y (mm).
#pragma once

#include <vector>

#include "app/Options.h"
#include "preparation/Prepare.h"
#include "printer/PageOffset.h"

namespace app {

const std::vector<OptionSpec>& sheetOptions();
OptionSpec offsetOption();

// --start (1 .. labelsPerSheet) and --copies (1 .. 99) as preparation takes them. Throws
// UsageError naming the option and its range.
void applySheetOptions(const Options& options, int labelsPerSheet, preparation::PrepareOptions& prepare);

// The offset the files are written with: --offset when given (UsageError when it is not
// X,Y within -10.0 .. +10.0), else the file printer's stored pair; a damaged stored pair is
// said on standard error and taken as 0.
printer::PageOffset outputOffset(const Options& options, const char* command);

}  // namespace app
