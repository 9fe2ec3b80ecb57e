// The command-line options that name a print list (KIND and its options, --dir, --template),
// shared by the subcommands that build one.
#pragma once

#include <string>
#include <vector>

#include "app/Options.h"
#include "labels/LabelJob.h"

namespace app {

// The options that name a print list: --year --month --count --closing --file --dir --template.
const std::vector<OptionSpec>& labelJobOptions();

// The job the options describe; year and month default to today. Throws UsageError.
labels::LabelJob parseLabelJob(const Options& options);

}  // namespace app
