// Per-user settings kept between runs under the organisation "Vellumo", read and written like
// an ini file: a section (e.g. "Form\TfrPreviewForm") and named values, all stored as text
// (integers in decimal, booleans as 0 or 1).
#pragma once

#include <memory>
#include <string>

class QSettings;

namespace platform::qt {

class UserSettings {
public:
    // The user's settings store; section uses '\' or '/' between its levels.
    explicit UserSettings(const std::string& section);
    // A settings file at an explicit path, for tests and portable use.
    UserSettings(const std::string& iniPath, const std::string& section);
    ~UserSettings();
    UserSettings(const UserSettings&) = delete;
    UserSettings& operator=(const UserSettings&) = delete;

    std::string readString(const std::string& name, const std::string& fallback) const;
    // The fallback when the value is absent or not a whole number.
    int readInteger(const std::string& name, int fallback) const;
    bool readBool(const std::string& name, bool fallback) const;

    void writeString(const std::string& name, const std::string& value);
    void writeInteger(const std::string& name, int value);
    void writeBool(const std::string& name, bool value);
    // Writes pending changes out now (they are also written when this object goes away).
    void flush();

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace platform::qt
