#pragma once

#include "serialline.h"

#include <QHash>
#include <QSet>
#include <QStringList>

// A serial line on which only the chosen devices open.
class FakeSerialLine : public SerialLine {
    Q_OBJECT
public:
    using SerialLine::SerialLine;

    QSet<QString> openable;
    QStringList* log = nullptr; // gets "open:<device>" for every attempt
    // Why a device that is not openable refuses; unlisted ones do not exist.
    QHash<QString, OpenFailure> refusals;

    bool open(const QString& device) override
    {
        if (log)
            log->append(u"open:"_qs + device);
        m_lastDevice = device;
        if (m_open)
            return false;
        m_open = openable.contains(device);
        return m_open;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    QByteArray readAll() override { return {}; }
    void discardInput() override { }
    bool write(const QByteArray&) override { return m_open; }
    OpenFailure lastOpenFailure() const override
    {
        return m_open ? OpenFailure::None : refusals.value(m_lastDevice, OpenFailure::NoDevice);
    }

    // The adapter was pulled out.
    void pull()
    {
        m_open = false;
        emit lost();
    }

private:
    bool m_open = false;
    QString m_lastDevice;
};
