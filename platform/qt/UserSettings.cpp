#include "platform/qt/UserSettings.h"

#include <QSettings>

#include "platform/qt/QtConvert.h"

namespace platform::qt {

namespace {

const QString kOrganisation = QStringLiteral("Vellumo");

QString groupOf(const std::string& section) {
    QString g = toQString(section);
    g.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (g.endsWith(QLatin1Char('/'))) g.chop(1);
    return g;
}

}  // namespace

UserSettings::UserSettings(const std::string& section)
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganisation)) {
    settings_->beginGroup(groupOf(section));
}

UserSettings::UserSettings(const std::string& iniPath, const std::string& section)
    : settings_(std::make_unique<QSettings>(toQString(iniPath), QSettings::IniFormat)) {
    settings_->beginGroup(groupOf(section));
}

UserSettings::~UserSettings() = default;

std::string UserSettings::readString(const std::string& name, const std::string& fallback) const {
    const QVariant v = settings_->value(toQString(name));
    return v.isValid() ? fromQString(v.toString()) : fallback;
}

int UserSettings::readInteger(const std::string& name, int fallback) const {
    bool ok = false;
    const int v = settings_->value(toQString(name)).toString().trimmed().toInt(&ok);
    return ok ? v : fallback;
}

bool UserSettings::readBool(const std::string& name, bool fallback) const {
    return readInteger(name, fallback ? 1 : 0) != 0;
}

void UserSettings::writeString(const std::string& name, const std::string& value) {
    settings_->setValue(toQString(name), toQString(value));
}

void UserSettings::writeInteger(const std::string& name, int value) {
    settings_->setValue(toQString(name), QString::number(value));
}

void UserSettings::writeBool(const std::string& name, bool value) {
    writeInteger(name, value ? 1 : 0);
}

void UserSettings::flush() {
    settings_->sync();
}

}  // namespace platform::qt
