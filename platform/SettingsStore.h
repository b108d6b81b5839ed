// The per-user settings store: typed values under one key, kept in a file in
// the REGEDIT4 text format ("$XDG_CONFIG_HOME/Vantrel/Slidora.reg").
#pragma once

#include <QMap>
#include <QString>
#include <cstdint>

// One stored value as read back.
struct StoredValue {
    enum class Kind {
        Missing, // no value of that name
        Integer, // dword
        Text,    // string, or hex(2): (expandable string)
        Other,   // any other type (hex:, hex(7):, ...): a value of the wrong type
    };
    Kind kind = Kind::Missing;
    uint32_t integer = 0;
    QString text;
};

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // Opens the key, creating it when missing; false when it can be neither
    // opened nor created. Values are read and written between Open and Close.
    virtual bool Open() = 0;
    virtual StoredValue Read(const QString& name) const = 0;
    virtual void WriteInteger(const QString& name, uint32_t value) = 0;
    virtual void WriteText(const QString& name, const QString& value) = 0;
    // Closes the key, saving what was written; false when saving failed.
    virtual bool Close() = 0;
    // Where the values are kept, for messages.
    virtual QString Location() const = 0;
};

// The store in a file. Value names match exactly, letter case included.
// Values it does not know are kept. Every save rewrites the whole file
// atomically: after a failed save the old file is intact. A file
// it cannot parse is read line by line as far as it can: a bad line is a
// missing value, never an error.
class RegFileStore final : public ISettingsStore {
public:
    explicit RegFileStore(QString path);

    // "$XDG_CONFIG_HOME/Vantrel/Slidora.reg", or "~/.config/Vantrel/Slidora.reg".
    static QString DefaultPath();

    bool Open() override;
    StoredValue Read(const QString& name) const override;
    void WriteInteger(const QString& name, uint32_t value) override;
    void WriteText(const QString& name, const QString& value) override;
    bool Close() override;
    QString Location() const override;

    // The REGEDIT4 text of a set of values, and the values of such a text.
    static QByteArray Format(const QMap<QString, StoredValue>& values);
    static QMap<QString, StoredValue> Parse(const QByteArray& text);

private:
    QString path;
    QMap<QString, StoredValue> values;
    bool open = false;
    bool changed = false;
};
