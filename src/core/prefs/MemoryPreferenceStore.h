#pragma once

#include "core/prefs/PreferenceStore.h"

#include <QList>
#include <QMap>
#include <QSet>

// A preference store in memory that keeps value types like the registry and records
// every write. Stands in for the user's store in tests.
class MemoryPreferenceStore : public PreferenceStore
{
public:
    struct Write {
        QString name;
        QVariant value;
        bool operator==(const Write&) const = default;
    };

    std::optional<int> readInt(const QString& name) const override;
    std::optional<QString> readText(const QString& name) const override;
    bool beginWrite() override;
    bool writeInt(const QString& name, int value) override;
    bool writeText(const QString& name, const QString& value) override;
    void endWrite() override;

    // Puts any value of any type in place, as another program (or damage) might.
    void setRaw(const QString& name, const QVariant& value) { m_values.insert(name, value); }
    QVariant raw(const QString& name) const { return m_values.value(name); }
    bool contains(const QString& name) const { return m_values.contains(name); }

    // The store cannot be opened for writing at all.
    void setOpenable(bool openable) { m_openable = openable; }
    // Writes of this value fail; the others still succeed.
    void failWritesOf(const QString& name) { m_failing.insert(name); }

    const QList<Write>& writes() const { return m_writes; }
    void clearWrites() { m_writes.clear(); }

private:
    bool write(const QString& name, const QVariant& value);

    QMap<QString, QVariant> m_values;
    QSet<QString> m_failing;
    QList<Write> m_writes;
    bool m_openable = true;
    bool m_open = false;
};
