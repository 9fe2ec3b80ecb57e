// The command-line options that name a print list (KIND and its options, --dir, --template),
// shared by the subcommands that build one.
#pragma once

#include <set>
#include <string>

#include "app/Options.h"
#include "labels/LabelJob.h"

namespace app {

// Options that take a value: --year --month --count --closing --file --dir --template.
const std::set<std::string>& labelJobValueOptions();

// The job the options describe; year and month default to today. Throws UsageError.
LabelJob parseLabelJob(const Options& options);

}  // namespace app
