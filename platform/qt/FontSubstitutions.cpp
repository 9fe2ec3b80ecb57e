#include "platform/qt/FontSubstitutions.h"

#include <QFont>

namespace platform::qt {

namespace {

struct Substitution {
    const char* stored;
    const char* installed;
};

constexpr Substitution kSubstitutions[] = {
    {"Arial", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
    {"Halvett", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
};

}  // namespace

void registerFontSubstitutions() {
    for (const Substitution& s : kSubstitutions)
        QFont::insertSubstitution(QString::fromLatin1(s.stored), QString::fromLatin1(s.installed));
}

}  // namespace platform::qt
