#include "core/prefs/MemoryPreferenceStore.h"

std::optional<int> MemoryPreferenceStore::readInt(const QString& name) const
{
    return storedInt(m_values.value(name), StoredTypes::typed);
}

std::optional<QString> MemoryPreferenceStore::readText(const QString& name) const
{
    return storedText(m_values.value(name));
}

bool MemoryPreferenceStore::beginWrite()
{
    m_open = m_openable;
    return m_open;
}

bool MemoryPreferenceStore::writeInt(const QString& name, int value)
{
    return write(name, value);
}

bool MemoryPreferenceStore::writeText(const QString& name, const QString& value)
{
    return write(name, value);
}

void MemoryPreferenceStore::endWrite()
{
    m_open = false;
}

bool MemoryPreferenceStore::write(const QString& name, const QVariant& value)
{
    if (!m_open || m_failing.contains(name))
        return false;
    m_values.insert(name, value);
    m_writes.append({name, value});
    return true;
}
