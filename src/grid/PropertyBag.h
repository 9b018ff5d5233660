#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

// The saved property set of a grid as its host form keeps it: values by key.
namespace grid {

class PropertyBag {
public:
    // The stored value of Key, or Default when the key is absent.
    QVariant ReadProperty(const QString& Key, const QVariant& Default) const { return m_values.value(Key, Default); }
    // Stores Value under Key, except a value equal to a valid Default, which leaves the key as it
    // was (a key written twice keeps the value that differed from its default); without a Default
    // the value is always stored.
    void WriteProperty(const QString& Key, const QVariant& Value, const QVariant& Default = QVariant());

    bool contains(const QString& Key) const { return m_values.contains(Key); }
    const QVariantMap& values() const { return m_values; }

private:
    QVariantMap m_values;
};

} // namespace grid
