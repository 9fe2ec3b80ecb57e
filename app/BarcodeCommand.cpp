// quirelle barcode: one symbol from the command line, as its module pattern or as a PNG or
// SVG picture with a quiet zone, drawn through the same generator the labels use.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <optional>
#include <string>

#include "app/HeadlessGui.h"
#include "app/Options.h"
#include "app/ReplacedOutput.h"
#include "app/Subcommands.h"
#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"
#include "platform/FileNames.h"
#include "platform/qt/QPainterCanvas.h"

namespace app {

namespace {

constexpr int kQuietZoneModules = 10;
// Widest and tallest picture drawn: larger ones are refused before any pixel is allocated.
constexpr std::int64_t kMaxPictureSide = 20000;
// Wide elements are a few times the narrow one; a ratio beyond this is a typing slip.
constexpr double kMaxRatio = 20.0;
constexpr int kDefaultHeightModules = 50;
constexpr int kDefaultModul = 2;

enum class OutputKind { Png, Svg };

barcode::BarcodeType parseType(const std::string& value) {
    int code = -1;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), code);
    if (ec == std::errc() && end == value.data() + value.size()) {
        if (barcode::isKnownBarcodeType(code)) return static_cast<barcode::BarcodeType>(code);
    } else if (auto type = barcode::barcodeTypeByName(value)) {
        return *type;
    }
    throw UsageError("tipo di codice a barre sconosciuto: " + value);
}

double parseNumber(const Options& options, const std::string& name, double fallback) {
    const auto value = options.value(name);
    if (!value) return fallback;
    double number = 0;
    auto [end, ec] = std::from_chars(value->data(), value->data() + value->size(), number);
    if (ec != std::errc() || end != value->data() + value->size() || !std::isfinite(number))
        throw UsageError("valore non valido per " + name + ": " + *value);
    return number;
}

OutputKind outputKindOf(const std::string& path) {
    const std::string ext = platform::lowerCaseExtension(path);
    if (ext == "png") return OutputKind::Png;
    if (ext == "svg") return OutputKind::Svg;
    throw UsageError("il file di uscita deve finire in .png o .svg: " + path);
}

double parseRatio(const Options& options) {
    const double ratio = parseNumber(options, "--ratio", 2.0);
    if (!(ratio > 0 && ratio <= kMaxRatio))
        throw UsageError("--ratio deve essere maggiore di 0 e al massimo " + std::to_string(int(kMaxRatio)) +
                         ": " + *options.value("--ratio"));
    return ratio;
}

// Size of the bounding box of a w x h rectangle turned by angle degrees, with the quiet zone
// around it; a usage error when it is larger than a picture may be.
QSize pictureSize(double w, double h, double angle, double quiet) {
    const double a = angle / 180.0 * std::numbers::pi;
    const double s = std::abs(std::sin(a));
    const double c = std::abs(std::cos(a));
    const double width = std::ceil(w * c + h * s - 1e-9) + 1 + 2 * quiet;
    const double height = std::ceil(w * s + h * c - 1e-9) + 1 + 2 * quiet;
    if (!(width <= kMaxPictureSide && height <= kMaxPictureSide))
        throw UsageError("immagine troppo grande: al massimo " + std::to_string(kMaxPictureSide) + " x " +
                         std::to_string(kMaxPictureSide) + " pixel (ridurre --modul, --height o il testo)");
    return {static_cast<int>(width), static_cast<int>(height)};
}

void paint(QPaintDevice& device, QSize size, barcode::BarcodeGenerator& generator) {
    QPainter painter(&device);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    platform::qt::QPainterCanvas canvas(painter);
    generator.draw(canvas);
}

bool render(barcode::BarcodeGenerator& generator, QSize size, const std::string& path, OutputKind kind) {
    const int quiet = kQuietZoneModules * generator.modul();
    generator.setLeft(quiet);
    generator.setTop(quiet);
    if (kind == OutputKind::Png) {
        QImage image(size, QImage::Format_RGB32);
        if (image.isNull()) return false;
        paint(image, size, generator);
        return image.save(QString::fromStdString(path), "PNG");
    }
    QSvgGenerator svg;
    svg.setFileName(QString::fromStdString(path));
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    paint(svg, size, generator);
    return true;
}

CommandSpec barcodeCommand() {
    return {"barcode",
            "--type T --text X [OPZIONI] (-o FILE | --pattern)",
            "Un simbolo, come immagine PNG o SVG o come sequenza di moduli.",
            {{"type", "T", "la simbologia: nome (Code39, EAN13, ...) o numero 0-22"},
             {"text", "X", "il testo da codificare"},
             {"checksum", "", "aggiunge la cifra di controllo"},
             {"modul", "N", "larghezza del modulo in pixel, 1-49 (predefinita 2)"},
             {"ratio", "R", "rapporto tra barre larghe e strette, oltre 0 e fino a 20 (predefinito 2.0)"},
             {"angle", "A", "rotazione in gradi (predefinita 0)"},
             {"height", "H", "altezza in moduli, 1-10000 (predefinita 50)"},
             {"o", "FILE", "il file da scrivere: .png o .svg"},
             {"pattern", "", "scrive moduli, larghezza e testo codificato invece di un'immagine"}}};
}

}  // namespace

int runBarcode(const Args& args) {
    const Options options(args, barcodeCommand());
    if (!options.positional().empty())
        throw UsageError("argomento inatteso: " + options.positional().front());
    const auto type = options.value("--type");
    const auto text = options.value("--text");
    if (!type || !text) throw UsageError("servono --type e --text");
    const auto output = options.value("-o");
    if (output.has_value() == options.has("--pattern"))
        throw UsageError("serve esattamente uno tra -o FILE e --pattern");
    const std::optional<OutputKind> kind = output ? std::optional(outputKindOf(*output)) : std::nullopt;

    barcode::BarcodeGenerator generator;
    generator.setType(parseType(*type));
    generator.setText(*text);
    generator.setChecksum(options.has("--checksum"));
    generator.setModul(options.intValue("--modul", 1, 49).value_or(kDefaultModul));
    generator.setRatio(parseRatio(options));
    generator.setAngle(parseNumber(options, "--angle", 0.0));
    const int heightModules = options.intValue("--height", 1, 10000).value_or(kDefaultHeightModules);
    generator.setHeight(heightModules * generator.modul());

    try {
        if (!kind) {
            const std::string pattern = generator.encode();
            const std::int32_t width = generator.width();
            std::printf("%s\n%d\n%s\n", pattern.c_str(), static_cast<int>(width), generator.text().c_str());
            return 0;
        }
        const QSize size = pictureSize(generator.width(), generator.height(), generator.angle(),
                                       kQuietZoneModules * generator.modul());
        const auto app = ensureGuiApplication();
        std::string error;
        const bool written = writeReplacing(
            *output,
            [&](const std::string& path, std::string& e) {
                if (render(generator, size, path, *kind)) return true;
                e = "impossibile scrivere " + *output;
                return false;
            },
            error);
        if (!written) {
            std::fprintf(stderr, "quirelle barcode: %s\n", error.c_str());
            return 1;
        }
        return 0;
    } catch (const barcode::BarcodeError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

}  // namespace app
