// quirelle template N -o FILE: the built-in label template N as its stream bytes.
#include <cstdio>
#include <fstream>
#include <string>

#include "app/Options.h"
#include "app/Subcommands.h"
#include "labels/LabelTemplate.h"

namespace app {

namespace {

constexpr const char* kUsage = "uso: quirelle template N -o FILE (N da 1 a 4)";

int templateNumber(const Options& options) {
    if (options.positional().size() != 1) throw UsageError(kUsage);
    const std::string& text = options.positional().front();
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + labels::kLabelTemplateCount)
        throw UsageError(kUsage);
    return text[0] - '0';
}

bool writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int runTemplate(const Args& args) {
    const Options options(args, {"template", "N -o FILE", "Scrive il modello di etichette incorporato N (1-4).",
                                 {{"o", "FILE", "il file da scrivere"}}});
    const int n = templateNumber(options);
    const auto path = options.value("-o");
    if (!path || path->empty()) throw UsageError(kUsage);
    if (!writeBytes(*path, labels::labelTemplateStream(n))) {
        std::fprintf(stderr, "quirelle: impossibile scrivere %s\n", path->c_str());
        return 1;
    }
    return 0;
}

}  // namespace app
