#include "netsocket.h"

#ifdef Q_OS_WIN
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <cstring>

namespace {

#ifdef Q_OS_WIN
using Length = int;

bool startUp()
{
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}
int lastError() { return WSAGetLastError(); }
bool isWouldBlock(int error) { return error == WSAEWOULDBLOCK; }
bool isInProgress(int error) { return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS; }
bool makeNonBlocking(SOCKET s)
{
    u_long on = 1;
    return ioctlsocket(s, FIONBIO, &on) == 0;
}
SOCKET native(NetSocket::Handle socket) { return SOCKET(socket); }
#else
using Length = socklen_t;

bool startUp() { return true; }
int lastError() { return errno; }
bool isWouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }
bool isInProgress(int error) { return error == EINPROGRESS || error == EINTR; }
bool makeNonBlocking(int s)
{
    const int flags = fcntl(s, F_GETFL);
    return flags != -1 && fcntl(s, F_SETFL, flags | O_NONBLOCK) != -1;
}
int native(NetSocket::Handle socket) { return int(socket); }
#endif

// A peer that is gone must fail the call, not end the program with SIGPIPE.
#ifdef MSG_NOSIGNAL
constexpr int SendFlags = MSG_NOSIGNAL;
#else
constexpr int SendFlags = 0;
#endif

} // namespace

namespace NetSocket {

QList<Address> resolve(const QByteArray& host, quint16 port)
{
    QList<Address> found;
    if (!startUp())
        return found;
    addrinfo hints {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const int status
        = getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &list);
    if (status != 0)
        return found;
    for (const addrinfo* a = list; a; a = a->ai_next)
        found.append({ a->ai_family,
            QByteArray(reinterpret_cast<const char*>(a->ai_addr), qsizetype(a->ai_addrlen)) });
    freeaddrinfo(list);
    return found;
}

Handle startConnect(const Address& address, int* error)
{
    if (!startUp()) {
        *error = lastError();
        return Invalid;
    }
    const auto s = ::socket(address.family, SOCK_STREAM, IPPROTO_TCP);
    const auto handle = Handle(s);
    if (handle == Invalid) {
        *error = lastError();
        return Invalid;
    }
    const auto* to = reinterpret_cast<const sockaddr*>(address.bytes.constData());
    if (!makeNonBlocking(s)
        || (::connect(s, to, Length(address.bytes.size())) != 0 && !isInProgress(lastError()))) {
        *error = lastError();
        close(handle);
        return Invalid;
    }
    *error = 0;
    return handle;
}

int connectResult(Handle socket)
{
    int result = 0;
    Length size = sizeof result;
    if (getsockopt(native(socket), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&result), &size)
        != 0)
        return lastError();
    return result;
}

bool isRefused(int error)
{
#ifdef Q_OS_WIN
    return error == WSAECONNREFUSED;
#else
    return error == ECONNREFUSED;
#endif
}

QString errorText(int error) { return qt_error_string(error); }

void setNoDelay(Handle socket)
{
    const int on = 1;
    setsockopt(
        native(socket), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
}

qint64 receive(Handle socket, char* data, qint64 size)
{
    const auto got = ::recv(native(socket), data, Length(size), 0);
    if (got >= 0)
        return got;
    return isWouldBlock(lastError()) ? -1 : -2;
}

qint64 send(Handle socket, const char* data, qint64 size)
{
    const auto sent = ::send(native(socket), data, Length(size), SendFlags);
    if (sent >= 0)
        return sent;
    return isWouldBlock(lastError()) ? -1 : -2;
}

void close(Handle socket)
{
#ifdef Q_OS_WIN
    closesocket(native(socket));
#else
    ::close(native(socket));
#endif
}

} // namespace NetSocket
