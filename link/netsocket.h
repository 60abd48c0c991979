#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// The few socket calls a network line needs, the same on every platform:
// non-blocking stream sockets, identified by a handle QSocketNotifier takes.
namespace NetSocket {

using Handle = qintptr;
inline constexpr Handle Invalid = -1;

// One address a host name stands for, as the system's socket calls take it.
struct Address {
    int family = 0;
    QByteArray bytes;
};

// Blocks while the name is looked up; empty when it is unknown. Safe to
// call from any thread.
QList<Address> resolve(const QByteArray& host, quint16 port);

// A non-blocking socket with a connection to address begun; Invalid with
// *error set when it could not even start.
Handle startConnect(const Address& address, int* error);
// After the socket became writable: 0 when connected, else the error code.
int connectResult(Handle socket);
bool isRefused(int error);
QString errorText(int error);

void setNoDelay(Handle socket);

// Bytes received (> 0), 0 when the other side closed, -1 when nothing
// waits, -2 when the connection failed.
qint64 receive(Handle socket, char* data, qint64 size);
// Bytes sent (>= 0), -1 when the socket takes none now, -2 when it failed.
qint64 send(Handle socket, const char* data, qint64 size);
void close(Handle socket);

} // namespace NetSocket
