// A small parser for "--name value", "--flag" and positional arguments of a subcommand.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace app {

class UsageError {
public:
    explicit UsageError(std::string m) : message(std::move(m)) {}
    std::string message;
};

class Options {
public:
    // valueOptions take one value ("--year 2019"); flagOptions take none ("--checksum").
    // Throws UsageError on an unknown option or a missing value.
    Options(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
            const std::set<std::string>& flagOptions);

    bool has(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;
    // The value as a whole number within [min, max]; throws UsageError otherwise.
    std::optional<int> intValue(const std::string& name, int min, int max) const;
    const std::vector<std::string>& positional() const { return positional_; }

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> positional_;
};

}  // namespace app
