#include "ConnectionCutter.h"

#include "ThrowawayServer.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kSocket[] = "/.s.PGSQL.5432";

sockaddr_un addressOf(const std::string& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    return address;
}

bool writeAll(int fd, const char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written <= 0)
            return false;
        bytes += written;
        size -= std::size_t(written);
    }
    return true;
}

std::uint32_t bigEndian(const std::string& bytes, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return std::uint32_t(static_cast<unsigned char>(bytes[at + i])); };
    return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
}

// One client's connection and the server's end of it.
struct Link
{
    int client;
    int server;
    bool started = false;   // past the start-up packets, which carry no type byte
    bool holding = false;   // the COMMIT went through: the server's answer is kept from the client
    std::string fromClient; // bytes not yet forwarded, up to a whole message
    std::string fromServer; // while holding
};

// The relay's loop; never returns.
[[noreturn]] void relay(int listener, int orders, const std::string& upstream, const std::string& killCommand)
{
    std::map<int, Link> links; // by client socket
    char order = 0;            // 'b'/'a': cut before the COMMIT / lose its answer; capital: and kill
    const auto close = [&](int client) {
        ::close(links.at(client).client);
        ::close(links.at(client).server);
        links.erase(client);
    };
    const auto cutNow = [&](int client) {
        if (order == 'B' || order == 'A')
            (void)std::system(killCommand.c_str());
        order = 0;
        close(client);
    };
    for (;;) {
        std::vector<pollfd> watched = {{orders, POLLIN, 0}, {listener, POLLIN, 0}};
        for (const auto& [client, link] : links) {
            watched.push_back({link.client, POLLIN, 0});
            watched.push_back({link.server, POLLIN, 0});
        }
        if (::poll(watched.data(), watched.size(), -1) < 0)
            continue;
        if (watched[0].revents) {
            if (::read(orders, &order, 1) != 1)
                ::_exit(0);
        }
        if (watched[1].revents & POLLIN) {
            const int client = ::accept(listener, nullptr, nullptr);
            const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const sockaddr_un address = addressOf(upstream);
            if (::connect(server, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
                ::close(client);
                ::close(server);
            } else {
                links[client] = Link{client, server, false, false, {}, {}};
            }
        }
        for (std::size_t i = 2; i < watched.size(); i += 2) {
            const int client = watched[i].fd;
            if (!links.count(client))
                continue;
            Link& link = links.at(client);
            char chunk[65536];
            if (watched[i + 1].revents) {
                const ssize_t got = ::read(link.server, chunk, sizeof(chunk));
                if (got <= 0) {
                    close(client);
                    continue;
                }
                if (!link.holding) {
                    writeAll(link.client, chunk, std::size_t(got));
                } else {
                    link.fromServer.append(chunk, std::size_t(got));
                    // Each message: a type byte and a length that counts itself; 'Z' ends the answer.
                    std::size_t at = 0;
                    bool answered = false;
                    while (at + 5 <= link.fromServer.size()) {
                        answered = answered || link.fromServer[at] == 'Z';
                        at += 1 + bigEndian(link.fromServer, at + 1);
                    }
                    if (answered) {
                        cutNow(client);
                        continue;
                    }
                }
            }
            if (watched[i].revents) {
                const ssize_t got = ::read(link.client, chunk, sizeof(chunk));
                if (got <= 0) {
                    close(client);
                    continue;
                }
                link.fromClient.append(chunk, std::size_t(got));
                bool cut = false;
                for (;;) {
                    std::size_t length = 0;
                    if (!link.started) {
                        if (link.fromClient.size() < 8)
                            break;
                        length = bigEndian(link.fromClient, 0);
                        const std::uint32_t code = bigEndian(link.fromClient, 4);
                        link.started = code != 80877103 && code != 80877104; // not an SSL or GSS request
                    } else {
                        if (link.fromClient.size() < 5)
                            break;
                        length = 1 + bigEndian(link.fromClient, 1);
                    }
                    if (link.fromClient.size() < length)
                        break;
                    const std::string message = link.fromClient.substr(0, length);
                    link.fromClient.erase(0, length);
                    // A Parse message: its statement's name, then its text.
                    if (order != 0 && message[0] == 'P') {
                        const std::size_t text = message.find('\0', 5) + 1;
                        if (message.compare(text, 7, std::string("COMMIT\0", 7)) == 0) {
                            if (order == 'b' || order == 'B') {
                                cutNow(client);
                                cut = true;
                                break;
                            }
                            link.holding = true;
                        }
                    }
                    writeAll(link.server, message.data(), message.size());
                }
                if (cut)
                    continue;
            }
        }
    }
}

} // namespace

ConnectionCutter::ConnectionCutter(const ThrowawayServer& server) : m_serverFolder(server.folder())
{
    const std::string socketPath = m_folder.path().toStdString() + kSocket;
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressOf(socketPath);
    if (::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(listener, 16) != 0)
        qFatal("the relay cannot listen at %s", socketPath.c_str());
    int pipe[2];
    if (::pipe(pipe) != 0)
        qFatal("no pipe for the relay");
    const std::string upstream = m_serverFolder.toStdString() + kSocket;
    const std::string killCommand =
        "bash " TELVARA_SOURCE_DIR "/scripts/throwaway-postgres.sh kill " + m_serverFolder.toStdString();
    m_relay = ::fork();
    if (m_relay == 0) {
        ::close(pipe[1]);
        relay(listener, pipe[0], upstream, killCommand);
    }
    ::close(pipe[0]);
    ::close(listener);
    m_orders = pipe[1];
}

ConnectionCutter::~ConnectionCutter()
{
    ::close(m_orders);
    ::kill(m_relay, SIGKILL);
    ::waitpid(m_relay, nullptr, 0);
}

QString ConnectionCutter::uri(const QString& serverUri) const
{
    QString through = serverUri;
    return through.replace(QStringLiteral("host=") + m_serverFolder,
                           QStringLiteral("host=") + m_folder.path());
}

void ConnectionCutter::arm(Cut cut, bool killServer)
{
    const char order = cut == Cut::BeforeCommit ? (killServer ? 'B' : 'b') : (killServer ? 'A' : 'a');
    if (::write(m_orders, &order, 1) != 1)
        qFatal("the relay takes no orders");
}
