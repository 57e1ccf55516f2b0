#pragma once

#include "core/prefs/PreferenceStore.h"

#include <memory>

class QSettings;

// Preferences kept by QSettings.
class SettingsPreferenceStore : public PreferenceStore
{
public:
    // The user's store: the key \Software\TinctoraKVB of the current user on Windows,
    // ~/.config/TinctoraKVB.conf (XDG_CONFIG_HOME) on Linux.
    SettingsPreferenceStore();
    // A store in the given INI file (tests, portable use).
    explicit SettingsPreferenceStore(const QString& iniFile);
    ~SettingsPreferenceStore() override;

    std::optional<int> readInt(const QString& name) const override;
    std::optional<QString> readText(const QString& name) const override;
    bool beginWrite() override;
    bool writeInt(const QString& name, int value) override;
    bool writeText(const QString& name, const QString& value) override;
    void endWrite() override;

    // Where the values live (a file path, or a registry path on Windows).
    QString location() const;

private:
    std::unique_ptr<QSettings> m_settings;
    StoredTypes m_types;
};

std::unique_ptr<PreferenceStore> userPreferenceStore();
