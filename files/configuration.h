#pragma once

#include <QMap>
#include <QString>
#include <cstdint>
#include <optional>

// The configuration file that the window and the command-line program share:
// where it lives, its sections and keys, and how its values read. No other
// file names them.
class Configuration {
public:
    static const QString FileName; // "TZ586KV Link.ini"
    static const QString Missing; // "Error": what a read yields for a missing key
    // "Ports": the section of port devices, which messages name to the user.
    static const QString PortsSection;

    // Beside the program while its folder takes writes (a portable copy),
    // otherwise in the user's configuration folder.
    static QString choosePath(const QString& appPath, const QString& fileName = FileName);

    explicit Configuration(QString path);

    const QString& path() const { return m_path; }

    // Each write makes the folder when needed; false when the file could not
    // be written.
    std::optional<int16_t> portNumber() const;
    // The port as stored, trimmed: a number, or a name such as "demo".
    QString portName() const;
    bool setPort(const QString& text) const;
    // The devices named for port numbers (ComN), each in place of the table's.
    QMap<int, QString> portOverrides() const;
    bool setPortOverride(int number, const QString& device) const;
    // Whether the log window draws the scale lines of voltage (0) or current (1).
    std::optional<int16_t> scaleLine(int index) const;
    bool setScaleLine(int index, bool on) const;
    // The pack chemistry the log window counts cells by: "lipo", "life" or
    // "nimh"; empty when none was named.
    QString chemistry() const;
    bool setChemistry(const QString& code) const;
    // The language the user picked: "system", "en" or "ja"; empty when none.
    QString language() const;
    bool setLanguage(const QString& code) const;

private:
    QString read(const QString& section, const QString& key) const;
    bool write(const QString& section, const QString& key, const QString& value) const;
    // A stored number that does not fit 16 bits counts as not stored.
    std::optional<int16_t> number(const QString& section, const QString& key) const;

    QString m_path;
};
