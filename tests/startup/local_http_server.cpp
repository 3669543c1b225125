#include "local_http_server.h"

#include "loopback_certificates.h"

#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <stdexcept>

namespace startup_tests {

namespace {

int loopback_socket(std::uint16_t port, std::uint16_t* bound)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("no socket");
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("bind failed");
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    *bound = ntohs(address.sin_port);
    return fd;
}

} // namespace

// One client's connection, plain or under TLS. Every wait is bounded, and none outlasts the server's stop.
class LocalHttpServer::Connection {
public:
    Connection(int fd, Scheme scheme, const std::atomic<bool>& stop) : fd_(fd), stop_(stop)
    {
        if (scheme == Scheme::http)
            return;
        const bool trusted = scheme == Scheme::https;
        tls_ = std::make_unique<QSslSocket>();
        tls_->setSocketDescriptor(fd); // the socket closes it
        fd_ = -1;
        tls_->setLocalCertificate(QSslCertificate(QByteArray(trusted ? trusted_certificate : other_certificate)));
        tls_->setPrivateKey(QSslKey(QByteArray(trusted ? trusted_key : other_key), QSsl::Ec));
        tls_->startServerEncryption();
        if (!tls_->waitForEncrypted(5000))
            tls_.reset();
    }
    // As servers end a connection: no more to send, then the client's own close awaited a short while, so
    // that nothing it still sends turns the close into a reset that could discard the answer on its way.
    ~Connection()
    {
        if (tls_) {
            tls_->disconnectFromHost();
            if (tls_->state() != QAbstractSocket::UnconnectedState)
                tls_->waitForDisconnected(1000);
        }
        if (fd_ >= 0) {
            ::shutdown(fd_, SHUT_WR);
            client_left(1000);
            ::close(fd_);
        }
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool open() const { return fd_ >= 0 || tls_; }

    // Some bytes from the client, waiting 5 s at most; false when none came.
    bool receive(std::string& into)
    {
        if (tls_) {
            if (tls_->bytesAvailable() == 0 && !tls_->waitForReadyRead(5000))
                return false;
            into += tls_->readAll().toStdString();
            return true;
        }
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, 5000) <= 0)
            return false;
        char block[1024];
        const ssize_t n = ::recv(fd_, block, sizeof block, 0);
        if (n <= 0)
            return false;
        into.append(block, static_cast<std::size_t>(n));
        return true;
    }

    bool send(const char* data, std::size_t size)
    {
        if (tls_) {
            tls_->write(data, static_cast<qint64>(size));
            while (tls_->bytesToWrite() > 0)
                if (!tls_->waitForBytesWritten(5000))
                    return false;
            return true;
        }
        while (size > 0) {
            const ssize_t n = ::send(fd_, data, size, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }
    bool send(const std::string& s) { return send(s.data(), s.size()); }
    bool send(const QByteArray& s) { return send(s.constData(), static_cast<std::size_t>(s.size())); }

    // Waits `ms` milliseconds (-1: until the server stops) or until the client has gone; true when it went.
    bool client_left(int ms)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!stop_ && (ms < 0 || std::chrono::steady_clock::now() < end)) {
            if (tls_) {
                tls_->waitForReadyRead(20);
                if (tls_->state() != QAbstractSocket::ConnectedState)
                    return true;
                tls_->readAll();
                continue;
            }
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 20) > 0) {
                char block[256];
                if (::recv(fd_, block, sizeof block, 0) <= 0)
                    return true;
            }
        }
        return stop_;
    }

private:
    int fd_;
    std::unique_ptr<QSslSocket> tls_;
    const std::atomic<bool>& stop_;
};

namespace {

// The body as it goes over the wire: cut where the reply says, framed in chunks of 100 bytes if chunked, the
// last chunk only when nothing was cut.
QByteArray wire_body(const Reply& reply)
{
    const QByteArray body = reply.cut_after >= 0 ? reply.body.left(reply.cut_after) : reply.body;
    if (!reply.chunked)
        return body;
    QByteArray wire;
    for (qsizetype at = 0; at < body.size(); at += 100) {
        const QByteArray piece = body.mid(at, 100);
        wire += QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
    }
    if (reply.cut_after < 0)
        wire += "0\r\n\r\n";
    return wire;
}

} // namespace

LocalHttpServer::LocalHttpServer(Scheme scheme) : scheme_(scheme)
{
    listener_ = loopback_socket(0, &port_);
    if (::listen(listener_, 8) != 0)
        throw std::runtime_error("listen failed");
    thread_ = std::thread([this] { run(); });
}

LocalHttpServer::~LocalHttpServer()
{
    stop_ = true;
    thread_.join();
    ::close(listener_);
}

QString LocalHttpServer::site() const
{
    return (scheme_ == Scheme::http ? QStringLiteral("http://127.0.0.1:%1") : QStringLiteral("https://127.0.0.1:%1"))
        .arg(port_);
}

void LocalHttpServer::serve(const std::string& path, Reply reply)
{
    std::lock_guard lock(mutex_);
    replies_[path] = std::move(reply);
}

std::vector<Request> LocalHttpServer::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

std::uint16_t LocalHttpServer::unused_port()
{
    std::uint16_t port = 0;
    const int fd = loopback_socket(0, &port);
    ::close(fd); // bound but never listening: a connect there is refused
    return port;
}

void LocalHttpServer::run()
{
    while (!stop_) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0)
            continue;
        const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        Connection connection(client, scheme_, stop_);
        if (connection.open())
            answer(connection);
    }
}

void LocalHttpServer::answer(Connection& client)
{
    std::string head;
    while (head.find("\r\n\r\n") == std::string::npos)
        if (!client.receive(head))
            return;
    const std::size_t line_end = head.find("\r\n");
    Request request{head.substr(0, line_end), head.substr(line_end + 2)};
    const std::size_t first = request.line.find(' ');
    const std::size_t second = request.line.find(' ', first + 1);
    const std::string path = request.line.substr(first + 1, second - first - 1);

    Reply reply;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        const auto it = replies_.find(path);
        if (it == replies_.end())
            reply = Reply{404, "<html><body>Not Found</body></html>"};
        else
            reply = it->second;
    }

    std::string out = "HTTP/1.1 " + std::to_string(reply.status) + (reply.status == 200 ? " OK" : " Error") + "\r\n";
    out += "Connection: close\r\n";
    if (!reply.location.empty())
        out += "Location: " + reply.location + "\r\n";
    if (reply.chunked)
        out += "Transfer-Encoding: chunked\r\n";
    else if (reply.with_length)
        out += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
    out += "\r\n";
    if (!client.send(out))
        return;

    QByteArray wire = wire_body(reply);
    const bool stalls = reply.stall_after >= 0 && reply.stall_after < wire.size();
    if (stalls)
        wire.truncate(reply.stall_after);
    if (reply.drip_ms <= 0) {
        client.send(wire);
    } else {
        for (const char byte : wire)
            if (!client.send(&byte, 1) || client.client_left(reply.drip_ms))
                return;
    }
    if (stalls) {
        ++stalls_;
        client.client_left(-1);
    }
}

} // namespace startup_tests
