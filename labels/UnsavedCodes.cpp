#include "labels/UnsavedCodes.h"

#include <map>

namespace labels {

namespace {

// The sentence for one, or the one for many with the count in place of '#'.
std::string counted(std::size_t n, const char* one, std::string many) {
    if (n == 1) return one;
    many.replace(many.find('#'), 1, std::to_string(n));
    return many;
}

}  // namespace

UnsavedCodes unsavedCodes(const std::vector<std::string>& listed, const std::vector<std::string>& inFile) {
    std::map<std::string, long> balance;
    for (const std::string& code : listed) ++balance[code];
    for (const std::string& code : inFile) --balance[code];
    UnsavedCodes unsaved;
    for (const auto& [code, count] : balance) {
        for (long i = 0; i < count; ++i) unsaved.added.push_back(code);
        if (count < 0) unsaved.deleted += static_cast<std::size_t>(-count);
    }
    return unsaved;
}

std::string keptAfterFailedSave(const UnsavedCodes& unsaved) {
    std::string text;
    if (!unsaved.added.empty())
        text += counted(unsaved.added.size(), "Il codice nuovo \xC3\xA8 ancora nella lista.",
                        "I # codici nuovi sono ancora nella lista.");
    if (unsaved.deleted > 0)
        text += std::string(text.empty() ? "" : " ") +
                counted(unsaved.deleted, "Il codice cancellato dalla lista \xC3\xA8 ancora nel file.",
                        "I # codici cancellati dalla lista sono ancora nel file.");
    return text;
}

std::string lostByLeaving(const UnsavedCodes& unsaved) {
    std::string text;
    if (!unsaved.added.empty())
        text += counted(unsaved.added.size(), "Il codice nuovo non sar\xC3\xA0 salvato in cf0.txt.",
                        "I # codici nuovi non saranno salvati in cf0.txt.");
    if (unsaved.deleted > 0)
        text += std::string(text.empty() ? "" : " ") +
                counted(unsaved.deleted, "Il codice cancellato rester\xC3\xA0 in cf0.txt.",
                        "I # codici cancellati resteranno in cf0.txt.");
    return text;
}

}  // namespace labels
