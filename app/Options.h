// The options of one subcommand, read with Qt's command-line parser: "--name value",
// "--name=value", "--flag", "-o FILE" and positional arguments, plus "-h"/"--help".
#pragma once

#include <QCommandLineParser>
#include <optional>
#include <string>
#include <vector>

#include "platform/Error.h"

namespace app {

// Arguments the subcommand cannot take: exit 2 with the message. A subcommand's job handler
// that catches every other error lets this one through.
class UsageError : public platform::Error {
public:
    explicit UsageError(const std::string& m) : platform::Error(m), message(m) {}
    std::string message;
};

// Thrown when the arguments ask for the subcommand's help; carries the text to show.
class HelpRequested {
public:
    explicit HelpRequested(std::string t) : text(std::move(t)) {}
    std::string text;
};

// One option: its name without dashes ("year", "o"), the name of its value (empty for a
// flag) and one line of description for --help.
struct OptionSpec {
    std::string name;
    std::string valueName;
    std::string description;
};

// What a subcommand accepts and how its --help describes it.
struct CommandSpec {
    std::string name;       // "labels"
    std::string arguments;  // "KIND [OPZIONI]", after "uso: quirelle labels"
    std::string summary;    // one sentence
    std::vector<OptionSpec> options;
};

class Options {
public:
    // Throws UsageError on an unknown option, a missing or unexpected value, and
    // HelpRequested when -h or --help is among the arguments.
    Options(const std::vector<std::string>& args, const CommandSpec& spec);

    bool has(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;
    // The value as a whole number within [min, max]; throws UsageError otherwise.
    std::optional<int> intValue(const std::string& name, int min, int max) const;
    const std::vector<std::string>& positional() const { return positional_; }

private:
    QCommandLineParser parser_;
    std::vector<std::string> positional_;
};

// "--year" or "-o": an option name as the operator types it.
std::string dashed(const std::string& name);

// The Italian help of a subcommand: usage line, summary, one line per option.
std::string helpText(const CommandSpec& spec);

}  // namespace app
