#pragma once

#include <QMap>
#include <QString>
#include <cstdint>
#include <optional>

// The configuration file that the window and the command-line program share:
// where it lives and how its values read.
class Configuration {
public:
    static const QString FileName; // "TZ586KV Link.ini"
    static const QString Missing; // "Error": what a read yields for a missing key

    // Beside the program while its folder takes writes (a portable copy),
    // otherwise in the user's configuration folder.
    static QString choosePath(const QString& appPath, const QString& fileName = FileName);

    explicit Configuration(QString path);

    const QString& path() const { return m_path; }
    QString read(const QString& section, const QString& key) const;
    // Makes the folder when needed; false when the file could not be written.
    bool write(const QString& section, const QString& key, const QString& value) const;
    // A stored number that does not fit 16 bits counts as not stored.
    std::optional<int16_t> number(const QString& section, const QString& key) const;
    std::optional<int16_t> portNumber() const;
    // The port as stored, trimmed: a number, or a name such as "demo".
    QString portName() const;
    // The devices named for port numbers 1..16 in the "Ports" section.
    QMap<int, QString> portOverrides() const;

private:
    QString m_path;
};
