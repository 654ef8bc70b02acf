#include "lumetra/api/file_access.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumetra {

bool CanWriteTo(const std::string& fileName) {
    if (fileName.empty()) return false;
    struct stat info;
    if (stat(fileName.c_str(), &info) == 0) {
        // A folder, device or pipe cannot take an image; a pipe would also block the open.
        if (!S_ISREG(info.st_mode)) return false;
        const int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) return false;
        close(fd);
        return true;
    }
    const int fd = open(fileName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    close(fd);
    unlink(fileName.c_str());
    return true;
}

namespace {

// Closes the descriptor also when reading throws.
struct OpenFile {
    int fd;
    ~OpenFile() {
        if (fd >= 0) close(fd);
    }
};

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& fileName) {
    const OpenFile file{open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    const int fd = file.fd;
    if (fd < 0) return std::nullopt;
    std::string content;
    struct stat info;
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    char chunk[65536];
    while (ok) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        content.append(chunk, static_cast<size_t>(n));
    }
    if (!ok || content.empty()) return std::nullopt;
    return content;
}

} // namespace lumetra
