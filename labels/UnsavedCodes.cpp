#include "labels/UnsavedCodes.h"

#include <map>

namespace labels {

namespace {

// A sentence for one code and one for many, with the count in place of '#'.
struct CountedSentence {
    const char* one;
    const char* many;
};

std::string counted(std::size_t n, const CountedSentence& sentence) {
    if (n == 1) return sentence.one;
    std::string text = sentence.many;
    text.replace(text.find('#'), 1, std::to_string(n));
    return text;
}

// The sentence about the added codes and the one about the deleted ones, each when there are any.
std::string aboutBoth(const UnsavedCodes& unsaved, const CountedSentence& added,
                      const CountedSentence& deleted) {
    std::string text;
    if (!unsaved.added.empty()) text += counted(unsaved.added.size(), added);
    if (unsaved.deleted > 0) text += (text.empty() ? "" : " ") + counted(unsaved.deleted, deleted);
    return text;
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
    return aboutBoth(
        unsaved,
        {"Il codice nuovo \xC3\xA8 ancora nella lista.", "I # codici nuovi sono ancora nella lista."},
        {"Il codice cancellato dalla lista \xC3\xA8 ancora nel file.",
         "I # codici cancellati dalla lista sono ancora nel file."});
}

std::string lostByLeaving(const UnsavedCodes& unsaved) {
    return aboutBoth(
        unsaved,
        {"Il codice nuovo non sar\xC3\xA0 salvato in cf0.txt.",
         "I # codici nuovi non saranno salvati in cf0.txt."},
        {"Il codice cancellato rester\xC3\xA0 in cf0.txt.", "I # codici cancellati resteranno in cf0.txt."});
}

}  // namespace labels
