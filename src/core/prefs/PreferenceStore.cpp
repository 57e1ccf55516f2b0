#include "core/prefs/PreferenceStore.h"

#include <limits>

namespace
{

std::optional<int> intInRange(qlonglong value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

std::optional<int> storedInt(const QVariant& raw, StoredTypes types)
{
    switch (raw.typeId()) {
    case QMetaType::Int:
        return raw.toInt();
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return intInRange(raw.toLongLong());
    case QMetaType::ULongLong: {
        const qulonglong value = raw.toULongLong();
        if (value > static_cast<qulonglong>(std::numeric_limits<int>::max()))
            return std::nullopt;
        return static_cast<int>(value);
    }
    case QMetaType::QString: {
        if (types != StoredTypes::textOnly)
            return std::nullopt;
        bool ok = false;
        const int value = raw.toString().trimmed().toInt(&ok, 10);
        return ok ? std::optional<int>(value) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> storedText(const QVariant& raw)
{
    // A text backend hands every scalar back as QString; anything else (a list made of a
    // hand-edited value with commas, a number in the registry) is of another type.
    if (raw.typeId() != QMetaType::QString)
        return std::nullopt;
    return raw.toString();
}
