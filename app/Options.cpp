#include "app/Options.h"

#include <charconv>

namespace app {

Options::Options(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                 const std::set<std::string>& flagOptions) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 1 && a[0] == '-' && a != "-") {
            if (flagOptions.count(a)) {
                flags_.insert(a);
            } else if (valueOptions.count(a)) {
                if (i + 1 >= args.size()) throw UsageError("l'opzione " + a + " richiede un valore");
                values_[a] = args[++i];
            } else {
                throw UsageError("opzione sconosciuta: " + a);
            }
        } else {
            positional_.push_back(a);
        }
    }
}

bool Options::has(const std::string& name) const {
    return flags_.count(name) || values_.count(name);
}

std::optional<std::string> Options::value(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
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

}  // namespace app
