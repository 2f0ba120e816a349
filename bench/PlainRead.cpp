#include "Measures.h"

#include <fcntl.h>
#include <memory>
#include <QFile>
#include <stdexcept>
#include <unistd.h>

qint64 Measures::plainRead(const QString& path)
{
    constexpr std::size_t kBlock = 1 << 20;
    const std::unique_ptr<char[]> buffer(new char[kBlock]);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("open");
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.get(), kBlock);
        if (n < 0) {
            ::close(fd);
            throw std::runtime_error("read");
        }
        if (n == 0)
            break;
        total += n;
    }
    ::close(fd);
    return total;
}
