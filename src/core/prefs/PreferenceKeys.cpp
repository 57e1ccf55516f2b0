#include "core/prefs/PreferenceKeys.h"

namespace pref
{

namespace
{

QString nameOf(const char* name)
{
    return QString::fromLatin1(name);
}

} // namespace

QString read(const PreferenceStore& store, const TextKey& key)
{
    return store.readText(nameOf(key.name)).value_or(QString::fromLatin1(key.fallback));
}

bool read(const PreferenceStore& store, const FlagKey& key)
{
    const std::optional<int> stored = store.readInt(nameOf(key.name));
    return stored ? *stored != 0 : key.fallback;
}

int read(const PreferenceStore& store, const IntKey& key)
{
    const std::optional<int> stored = store.readInt(nameOf(key.name));
    if (!stored || *stored < key.min || *stored > key.max)
        return key.fallback;
    return *stored;
}

int read(const PreferenceStore& store, const ReadOnlyIntKey& key)
{
    return readStored(store, key).value_or(key.fallback);
}

std::optional<int> readStored(const PreferenceStore& store, const ReadOnlyIntKey& key)
{
    return store.readInt(nameOf(key.name));
}

bool write(PreferenceStore& store, const TextKey& key, const QString& value)
{
    return store.writeText(nameOf(key.name), value);
}

bool write(PreferenceStore& store, const FlagKey& key, bool value)
{
    return store.writeInt(nameOf(key.name), value ? 1 : 0);
}

bool write(PreferenceStore& store, const IntKey& key, int value)
{
    return store.writeInt(nameOf(key.name), value);
}

} // namespace pref
