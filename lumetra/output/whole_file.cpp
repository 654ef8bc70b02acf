#include "lumetra/output/whole_file.h"

#include "lumetra/output/unique_name.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumetra {
namespace {

std::string FolderOf(const std::string& fileName) {
    const auto slash = fileName.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

// Opens a file of a fresh name in the target's folder; -1 when the folder takes no new file.
int CreateBeside(const std::string& fileName, std::string& tempName) {
    const std::string folder = FolderOf(fileName);
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempName = UniqueName(folder, ".tmp");
        const int fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    tempName.clear();
    return -1;
}

bool WriteAll(int fd, const TDataStream& data) {
    const auto bytes = data.Bytes();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

} // namespace

std::size_t WriteWholeFile(const std::string& fileName, const TDataStream& data) noexcept {
    if (data.Size() == 0 || fileName.empty()) return 0;
    std::string tempName;
    try {
        const int fd = CreateBeside(fileName, tempName);
        if (fd < 0) return 0;
        struct stat old;
        bool ok = stat(fileName.c_str(), &old) != 0 || !S_ISREG(old.st_mode) ||
                  fchmod(fd, old.st_mode & 07777) == 0;
        ok = ok && WriteAll(fd, data) && fsync(fd) == 0;
        ok = close(fd) == 0 && ok;
        ok = ok && std::rename(tempName.c_str(), fileName.c_str()) == 0;
        if (ok) return data.Size();
    } catch (...) {
    }
    if (!tempName.empty()) unlink(tempName.c_str());
    return 0;
}

bool WriteBuiltFile(const std::string& fileName,
                    const std::function<bool(TDataStream&)>& build) noexcept {
    try {
        TDataStream image(1024);
        return build(image) && image.Size() > 0 && WriteWholeFile(fileName, image) == image.Size();
    } catch (...) {
        return false;
    }
}

} // namespace lumetra
