#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// The per-user store of the program's preferences (a registry key on Windows).
// A read yields a value only when it is present and of the asked type; each read stands alone.
class PreferenceStore
{
public:
    virtual ~PreferenceStore() = default;

    virtual std::optional<int> readInt(const QString& name) const = 0;
    virtual std::optional<QString> readText(const QString& name) const = 0;

    // Opens the store for writing, creating it when missing; false: nothing can be written now.
    virtual bool beginWrite() = 0;
    // false: this value could not be written (the others may still be).
    virtual bool writeInt(const QString& name, int value) = 0;
    virtual bool writeText(const QString& name, const QString& value) = 0;
    // Makes the writes since beginWrite() durable.
    virtual void endWrite() = 0;
};

// How a backend keeps value types.
enum class StoredTypes {
    typed,    // integers and texts are distinct (registry, property lists, the in-memory store)
    textOnly, // everything is text (INI files): an integer is a text of decimal digits
};

// The 32-bit integer a raw stored value stands for, or nothing for another type,
// non-numeric text or a number out of range.
std::optional<int> storedInt(const QVariant& raw, StoredTypes types);
// The text a raw stored value stands for, or nothing for another type.
std::optional<QString> storedText(const QVariant& raw);
