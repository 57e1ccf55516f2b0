#include "core/prefs/SettingsPreferenceStore.h"

#include <QSettings>

namespace
{

std::unique_ptr<QSettings> userSettings()
{
#if defined(Q_OS_WIN)
    // The organisation-only constructor would add "\OrganizationDefaults"; the key is meant exactly.
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\TinctoraKVB"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("TinctoraKVB"));
#endif
}

StoredTypes nativeTypes()
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return StoredTypes::typed;
#else
    return StoredTypes::textOnly;
#endif
}

} // namespace

SettingsPreferenceStore::SettingsPreferenceStore() : m_settings(userSettings()), m_types(nativeTypes()) {}

SettingsPreferenceStore::SettingsPreferenceStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)), m_types(StoredTypes::textOnly)
{
}

SettingsPreferenceStore::~SettingsPreferenceStore() = default;

std::optional<int> SettingsPreferenceStore::readInt(const QString& name) const
{
    return storedInt(m_settings->value(name), m_types);
}

std::optional<QString> SettingsPreferenceStore::readText(const QString& name) const
{
    return storedText(m_settings->value(name));
}

bool SettingsPreferenceStore::beginWrite()
{
    return m_settings->isWritable();
}

bool SettingsPreferenceStore::writeInt(const QString& name, int value)
{
    m_settings->setValue(name, value);
    return m_settings->status() == QSettings::NoError;
}

bool SettingsPreferenceStore::writeText(const QString& name, const QString& value)
{
    m_settings->setValue(name, value);
    return m_settings->status() == QSettings::NoError;
}

void SettingsPreferenceStore::endWrite()
{
    m_settings->sync();
}

QString SettingsPreferenceStore::location() const
{
    return m_settings->fileName();
}

std::unique_ptr<PreferenceStore> userPreferenceStore()
{
    return std::make_unique<SettingsPreferenceStore>();
}
