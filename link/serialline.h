#pragma once

#include "phrase.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The one serial line to the controller, as the rest of the program sees it.
// Tests put a fake or a pseudo-terminal behind it.
class SerialLine : public QObject {
    Q_OBJECT
public:
    // What a line keeps of received characters that no one has read, as a
    // port's driver would: room for the longest reply, however fast the other
    // side sends.
    static constexpr qsizetype InputLimit = 4096;

    using QObject::QObject;

    // Opens device at 9600 bit/s, odd parity, 8 data bits, 1 stop bit, no
    // handshaking, DTR off, and discards anything waiting. False when it fails.
    virtual bool open(const QString& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual QByteArray readAll() = 0;
    virtual void discardInput() = 0;
    virtual bool write(const QByteArray& data) = 0;

    // Why the last open() failed, so that the user can be told what to fix.
    // The last three are a network line's: the host's name is unknown, the
    // host refused the connection, or no route or no answer within the time.
    enum class OpenFailure {
        None,
        NoDevice,
        PermissionDenied,
        InUse,
        Other,
        UnknownHost,
        Refused,
        Unreachable,
    };
    virtual OpenFailure lastOpenFailure() const { return OpenFailure::Other; }
    // The same in words, naming what failed, where the kind alone says too
    // little ("bench:2000 refused the connection"); empty otherwise.
    virtual Phrase openFailurePhrase() const { return {}; }
    QString openFailureText() const { return openFailurePhrase().text; } // for people

signals:
    // At least one received character waits.
    void readyRead();
    // The line failed (adapter pulled, other side gone) and has been closed.
    void lost();
};
