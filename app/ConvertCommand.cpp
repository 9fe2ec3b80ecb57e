// quirelle convert: a saved prepared report (.frp) written as a vector PDF or as one PNG
// image per page, drawn as the print run would put it on paper.
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "app/HeadlessGui.h"
#include "app/Options.h"
#include "app/ProgramServices.h"
#include "app/ReplacedOutput.h"
#include "app/Subcommands.h"
#include "export/qt/PreparedPageOutput.h"
#include "platform/FileNames.h"
#include "platform/qt/FontSubstitutions.h"
#include "prepared/PreparedPages.h"
#include "prepared/PreparedReportIo.h"

namespace app {

namespace {

constexpr int kDefaultDpi = 300;

enum class ConvertTarget { Pdf, Png };

ConvertTarget targetOf(const std::string& path) {
    const std::string ext = platform::lowerCaseExtension(path);
    if (ext == "pdf") return ConvertTarget::Pdf;
    if (ext == "png") return ConvertTarget::Png;
    throw UsageError("il file di uscita deve finire in .pdf o .png: " + path);
}

int fault(const std::string& message) {
    std::fprintf(stderr, "quirelle convert: %s\n", message.c_str());
    return 1;
}

CommandSpec convertCommand() {
    return {"convert",
            "FILE.frp -o FILE",
            "Scrive un report preparato come PDF vettoriale o come un'immagine PNG per pagina.",
            {{"o", "FILE", "il file da scrivere: .pdf o .png"},
             {"dpi", "N", "risoluzione delle immagini PNG (predefinita 300)"}}};
}

}  // namespace

int runConvert(const Args& args) {
    const Options options(args, convertCommand());
    if (options.positional().size() != 1) throw UsageError("serve un solo file .frp da convertire");
    const auto output = options.value("-o");
    if (!output) throw UsageError("serve -o FILE.pdf o -o FILE.png");
    const ConvertTarget target = targetOf(*output);
    const int dpi =
        options.intValue("--dpi", export_::qt::kMinImageDpi, export_::qt::kMaxImageDpi).value_or(kDefaultDpi);

    const auto app = ensureGuiApplication();
    // Pages hold barcode objects: the services register their class before any page is rebuilt.
    ProgramServices services(PrinterSource::VirtualOnly);
    prepared::PreparedPages pages(nullptr, &services.printer());
    pages.imageCodec = &services.imageCodec();
    try {
        prepared::loadPrepared(pages, options.positional().front());
    } catch (const std::exception& e) {
        return fault(options.positional().front() + ": " + e.what());
    }
    std::string error;
    const bool written =
        target == ConvertTarget::Pdf
            ? writeReplacing(
                  *output,
                  [&](const std::string& path, std::string& e) {
                      return export_::qt::writePagesPdf(pages, path, e);
                  },
                  error)
            : writeNumberedReplacing(
                  *output,
                  [&](const std::string& path, std::vector<std::string>& files, std::string& e) {
                      return export_::qt::writePagesPng(pages, path, dpi, e, &files);
                  },
                  export_::qt::numberedImagePath, error);
    if (!written) return fault(error);
    return 0;
}

}  // namespace app
