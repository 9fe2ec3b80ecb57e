#include "app/Options.h"

#include <QStringList>
#include <algorithm>
#include <charconv>

namespace app {

namespace {

const OptionSpec kHelpOption{"help", "", "mostra questo aiuto"};

std::string undashed(const std::string& name) {
    std::size_t dashes = 0;
    while (dashes < name.size() && dashes < 2 && name[dashes] == '-') ++dashes;
    return name.substr(dashes);
}

QCommandLineOption qtOption(const OptionSpec& spec) {
    QStringList names{QString::fromStdString(spec.name)};
    if (spec.name == kHelpOption.name) names.prepend("h");
    QCommandLineOption option(names, QString::fromStdString(spec.description));
    if (!spec.valueName.empty()) option.setValueName(QString::fromStdString(spec.valueName));
    return option;
}

const OptionSpec* findOption(const CommandSpec& spec, const std::string& name) {
    for (const OptionSpec& option : spec.options)
        if (option.name == name) return &option;
    return nullptr;
}

// Qt's parser reports failures in English; say in Italian which argument is at fault.
std::string failureMessage(const QCommandLineParser& parser, const std::vector<std::string>& args,
                           const CommandSpec& spec) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const std::string unknown = parser.unknownOptionNames().front().toStdString();
        for (const std::string& arg : args)
            if (arg.size() > 1 && arg[0] == '-' && undashed(arg.substr(0, arg.find('='))) == unknown)
                return "opzione sconosciuta: " + arg.substr(0, arg.find('='));
        return "opzione sconosciuta: " + dashed(unknown);
    }
    for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') continue;
        const std::string body = undashed(arg);
        const auto equals = body.find('=');
        const OptionSpec* option = findOption(spec, body.substr(0, equals));
        if (!option) continue;
        if (equals != std::string::npos && option->valueName.empty())
            return "l'opzione " + dashed(option->name) + " non prende valori";
        if (equals == std::string::npos && !option->valueName.empty() && i + 1 == args.size())
            return "l'opzione " + dashed(option->name) + " richiede un valore";
    }
    return "argomenti non validi: " + parser.errorText().toStdString();
}

}  // namespace

std::string dashed(const std::string& name) {
    return (name.size() == 1 ? "-" : "--") + name;
}

Options::Options(const std::vector<std::string>& args, const CommandSpec& spec) {
    // "-o" is one option named "o", as "--year" is one named "year".
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionSpec& option : spec.options) parser_.addOption(qtOption(option));
    parser_.addOption(qtOption(kHelpOption));

    QStringList arguments{QString::fromStdString("quirelle " + spec.name)};
    for (const std::string& arg : args) arguments << QString::fromLocal8Bit(arg.c_str(), qsizetype(arg.size()));
    if (!parser_.parse(arguments)) throw UsageError(failureMessage(parser_, args, spec));
    if (parser_.isSet(QString::fromStdString(kHelpOption.name))) throw HelpRequested(helpText(spec));
    for (const QString& arg : parser_.positionalArguments()) positional_.push_back(arg.toStdString());
}

bool Options::has(const std::string& name) const {
    const QString key = QString::fromStdString(undashed(name));
    return parser_.optionNames().contains(key);
}

std::optional<std::string> Options::value(const std::string& name) const {
    if (!has(name)) return std::nullopt;
    return parser_.value(QString::fromStdString(undashed(name))).toStdString();
}

std::optional<int> Options::intValue(const std::string& name, int min, int max) const {
    auto v = value(name);
    if (!v) return std::nullopt;
    int n = 0;
    auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), n);
    if (ec != std::errc() || end != v->data() + v->size() || n < min || n > max)
        throw UsageError("valore non valido per " + name + ": " + *v + " (ammesso " + std::to_string(min) +
                         "-" + std::to_string(max) + ")");
    return n;
}

std::string helpText(const CommandSpec& spec) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const OptionSpec& option : spec.options)
        rows.emplace_back(dashed(option.name) + (option.valueName.empty() ? "" : " " + option.valueName),
                          option.description);
    rows.emplace_back("-h, --help", kHelpOption.description);
    std::size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.first.size());

    std::string text = "uso: quirelle " + spec.name + (spec.arguments.empty() ? "" : " " + spec.arguments) +
                       "\n" + spec.summary + "\n\nOpzioni:\n";
    for (const auto& [left, description] : rows)
        text += "  " + left + std::string(width - left.size() + 2, ' ') + description + "\n";
    return text;
}

}  // namespace app
