#include "files/AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string systemError(const std::string &what) { return what + ": " + std::strerror(errno); }

// A name beside the target that no other writer picks: process id, a counter and a random part.
std::string temporaryNameFor(const std::filesystem::path &target)
{
    static std::atomic<unsigned> counter{0};
    static std::mt19937 random{std::random_device{}()};
    return (target.parent_path() / ("." + target.filename().string() + "." + std::to_string(getpid()) + "." +
                                    std::to_string(counter++) + "." + std::to_string(random() % 100000) + ".tmp"))
        .string();
}

bool writeAll(int fd, const std::string &bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// A replaced file keeps its permissions; a new one gets what the umask allows of rw-rw-rw-.
void copyPermissions(const std::string &from, int fd)
{
    struct stat st {};
    if (::stat(from.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);
}

// The rename itself is only durable once the folder's entry is on the disk.
void syncFolder(const std::filesystem::path &folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string WriteFileAtomically(const std::string &path, const std::string &bytes)
{
    const std::filesystem::path target(path);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 10 && fd < 0; ++attempt) {
        temporary = temporaryNameFor(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return systemError("cannot create a file in the folder");
    copyPermissions(path, fd);
    std::string failure;
    if (!writeAll(fd, bytes))
        failure = systemError("cannot write");
    else if (::fsync(fd) != 0)
        failure = systemError("cannot flush to the disk");
    if (::close(fd) != 0 && failure.empty())
        failure = systemError("cannot close");
    if (failure.empty() && std::rename(temporary.c_str(), path.c_str()) != 0)
        failure = systemError("cannot replace the file");
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
        return failure;
    }
    syncFolder(target.parent_path());
    return {};
}

bool ReadFilePrefix(const std::string &path, size_t maxBytes, std::string &bytes)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    // Chunks rather than one buffer of the limit: most files are a few kilobytes.
    bytes.clear();
    char chunk[1 << 16];
    while (bytes.size() <= maxBytes) {
        const size_t wanted = std::min(sizeof chunk, maxBytes + 1 - bytes.size());
        in.read(chunk, static_cast<std::streamsize>(wanted));
        bytes.append(chunk, static_cast<size_t>(in.gcount()));
        if (!in)
            break;
    }
    return !in.bad();
}
