#include "report/ObjectRegistry.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "report/BandView.h"
#include "report/LineView.h"
#include "report/MemoView.h"
#include "report/PictureView.h"
#include "report/SubReportView.h"

namespace report {
namespace {

std::map<std::string, ViewFactory>& addIns() {
    static std::map<std::string, ViewFactory> registry;
    return registry;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// Stored class names that mean another class.
struct ClassTranslation {
    const char* stored;
    AddInClass meaning;
};
const ClassTranslation kTranslations[] = {
    {"TFRBDELOOKUPCONTROL", {"TfrDBLookupControl", false, 0}},
    {"TFRIBXLOOKUPCONTROL", {"TfrDBLookupControl", false, 0}},
    // A framed memo is read as a plain memo; its 8 bytes of frame settings are dropped.
    {"TFRFRAMEDMEMOVIEW", {"TfrMemoView", true, 8}},
};

}  // namespace

void registerAddIn(const std::string& className, ViewFactory factory) {
    addIns()[className] = std::move(factory);
}

void unregisterAddIn(const std::string& className) {
    addIns().erase(className);
}

bool isAddInRegistered(const std::string& className) {
    return addIns().count(className) != 0;
}

std::vector<std::string> registeredAddIns() {
    std::vector<std::string> names;
    for (const auto& entry : addIns()) names.push_back(entry.first);
    return names;
}

std::unique_ptr<View> createBuiltInObject(int objectType) {
    switch (objectType) {
        case kMemoObject:
            return std::make_unique<MemoView>();
        case kPictureObject:
            return std::make_unique<PictureView>();
        case kBandObject:
            return std::make_unique<BandView>();
        case kSubReportObject:
            return std::make_unique<SubReportView>();
        case kLineObject:
            return std::make_unique<LineView>();
        default:
            return nullptr;
    }
}

std::unique_ptr<View> createAddIn(const std::string& className) {
    auto it = addIns().find(className);
    if (it == addIns().end() || !it->second) return nullptr;
    return it->second();
}

AddInClass translateAddInClass(const std::string& storedName) {
    for (const auto& t : kTranslations)
        if (sameIgnoringCase(storedName, t.stored)) return t.meaning;
    return {storedName, false, 0};
}

int nextCreationSerial() {
    static int counter = 0;
    return ++counter;
}

}  // namespace report
