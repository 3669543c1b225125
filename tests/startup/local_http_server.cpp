#include "local_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace startup_tests {

namespace {

void send_all(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void send_all(int fd, const std::string& s) { send_all(fd, s.data(), s.size()); }

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

LocalHttpServer::LocalHttpServer()
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

QString LocalHttpServer::site() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }

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
        answer(client);
        ::close(client);
    }
}

void LocalHttpServer::answer(int client)
{
    std::string head;
    char block[1024];
    while (head.find("\r\n\r\n") == std::string::npos) {
        pollfd p{client, POLLIN, 0};
        if (::poll(&p, 1, 5000) <= 0)
            return;
        const ssize_t n = ::recv(client, block, sizeof block, 0);
        if (n <= 0)
            return;
        head.append(block, static_cast<std::size_t>(n));
    }
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
    send_all(client, out);

    const QByteArray body = reply.cut_after >= 0 ? reply.body.left(reply.cut_after) : reply.body;
    if (!reply.chunked) {
        send_all(client, body.constData(), static_cast<std::size_t>(body.size()));
        return;
    }
    for (qsizetype at = 0; at < body.size(); at += 100) {
        const QByteArray piece = body.mid(at, 100);
        char size[16];
        std::snprintf(size, sizeof size, "%zx\r\n", static_cast<std::size_t>(piece.size()));
        send_all(client, size);
        send_all(client, piece.constData(), static_cast<std::size_t>(piece.size()));
        send_all(client, "\r\n");
    }
    if (reply.cut_after < 0)
        send_all(client, "0\r\n\r\n");
}

} // namespace startup_tests
