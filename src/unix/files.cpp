// Files on a POSIX system.

#include "../shell/platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// Big enough that reading costs little more than the disk, small enough to
// stay in the processor's cache while the reader goes over it.
constexpr std::size_t ReadPieceSize = 256 * 1024;

FileResult Failure(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return {FileProblem::NotFound, std::strerror(error)};
    case EACCES:
    case EPERM:
        return {FileProblem::AccessDenied, std::strerror(error)};
    case EISDIR:
        return {FileProblem::IsFolder, std::strerror(error)};
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return {FileProblem::NoSpace, std::strerror(error)};
    case EROFS:
        return {FileProblem::ReadOnlyFileSystem, std::strerror(error)};
    case ENAMETOOLONG:
        return {FileProblem::PathTooLong, std::strerror(error)};
    case ENXIO: // a pipe without a reader, a socket
        return {FileProblem::NotPlainFile, std::strerror(error)};
    default:
        return {FileProblem::Other, std::strerror(error)};
    }
}

FileResult LastFailure()
{
    return Failure(errno);
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes it now and says whether everything written reached the file.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// O_NONBLOCK only for the opening: a pipe without a reader then fails at
// once instead of stopping the program until someone reads it. Blocking again
// afterwards, so that every write goes through whole.
int OpenWithoutWaiting(const char *path, int flags, mode_t mode = 0)
{
    int fd;
    do
        fd = ::open(path, flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    if (fd >= 0) {
        const int status = ::fcntl(fd, F_GETFL);
        if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) < 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return -1;
        }
    }
    return fd;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (count == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(std::size_t(count));
    }
    return true;
}

std::string FolderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a symbolic link leads to, so that the link keeps pointing there.
// The path itself when it is no link, or a link to nothing yet.
std::string ResolvedTarget(const std::string &path)
{
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

mode_t CreationMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes a temporary file beside the target what the existing one is (owner,
// group, permission bits), as far as that can be done. False when it cannot,
// so that replacing the file would change it.
bool TakeOverIdentity(int fd, const struct stat &existing)
{
    struct stat made;
    if (::fstat(fd, &made) != 0)
        return false;
    if ((made.st_uid != existing.st_uid || made.st_gid != existing.st_gid)
        && ::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        return false;
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(fd, existing.st_mode & 07777) == 0;
}

// Extended attributes (ACLs and security labels among them) do not pass to a
// new file; a file that has any is written where it stands.
bool HasExtendedAttributes(const std::string &path)
{
    const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
    return size > 0;
}

enum class Replaced { Done, Failed, WouldChangeTheFile };

// The new content goes to a file beside the old one, reaches the disk, and
// only then takes the old one's name in one step: the old content stays
// whole until the new one is complete.
Replaced ReplaceFile(const std::string &target, const struct stat *existing, std::string_view bytes,
                     FileResult &result)
{
    std::string temporary = FolderOf(target) + "/." + NameOf(target) + ".XXXXXX";
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        // A folder that takes no new file may still hold a file that can be written.
        if (existing && (errno == EACCES || errno == EPERM || errno == EROFS))
            return Replaced::WouldChangeTheFile;
        result = LastFailure();
        return Replaced::Failed;
    }
    const auto failed = [&](int error) {
        ::unlink(temporary.c_str());
        result = Failure(error);
        return Replaced::Failed;
    };
    if (existing) {
        if (!TakeOverIdentity(file.get(), *existing)) {
            ::unlink(temporary.c_str());
            return Replaced::WouldChangeTheFile;
        }
    } else if (::fchmod(file.get(), CreationMode()) != 0) {
        return failed(errno);
    }
    if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0)
        return failed(errno);
    if (!file.close())
        return failed(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return failed(errno);
    return Replaced::Done;
}

// Writing into the file itself keeps everything it is. The room for the new
// content is taken before the first byte changes, so a full disk leaves the
// old content as it was.
FileResult WriteInPlace(const std::string &target, std::string_view bytes)
{
    Descriptor file(OpenWithoutWaiting(target.c_str(), O_WRONLY | O_CREAT, CreationMode()));
    if (file.get() < 0)
        return LastFailure();
    const off_t size = off_t(bytes.size());
    if (size > 0) {
        const int error = ::posix_fallocate(file.get(), 0, size);
        if (error != 0)
            return Failure(error);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::pwrite(file.get(), bytes.data() + written, bytes.size() - written, off_t(written));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return LastFailure();
        }
        written += std::size_t(count);
    }
    if (::ftruncate(file.get(), size) != 0 || ::fsync(file.get()) != 0 || !file.close())
        return LastFailure();
    return {};
}

} // namespace

// A file is replaced when nothing of it gets lost that way, else written in
// place: a second hard link, an owner or group this process cannot give a new
// file, extended attributes, or a folder that takes no new file.
FileResult WriteWholeFile(const std::string &path, std::string_view bytes)
{
    const std::string target = ResolvedTarget(path);
    struct stat existing;
    if (::stat(target.c_str(), &existing) != 0) {
        if (errno != ENOENT)
            return LastFailure();
        struct stat link;
        // A link to a file that does not exist yet: create it where the link
        // points, and the link stays.
        if (::lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
            return WriteInPlace(target, bytes);
        FileResult result;
        ReplaceFile(target, nullptr, bytes, result);
        return result;
    }
    if (S_ISDIR(existing.st_mode))
        return Failure(EISDIR);
    // A device or a pipe cannot be replaced by a file beside it: that would
    // put a plain file in its place. Such a target is written as it stands.
    if (!S_ISREG(existing.st_mode)) {
        Descriptor device(OpenWithoutWaiting(target.c_str(), O_WRONLY));
        if (device.get() < 0)
            return LastFailure();
        if (!WriteAll(device.get(), bytes) || !device.close())
            return LastFailure();
        return {};
    }
    // A file the user may not write is not replaced behind its back.
    if (::access(target.c_str(), W_OK) != 0)
        return LastFailure();
    if (existing.st_nlink > 1 || HasExtendedAttributes(target))
        return WriteInPlace(target, bytes);
    FileResult result;
    if (ReplaceFile(target, &existing, bytes, result) == Replaced::WouldChangeTheFile)
        return WriteInPlace(target, bytes);
    return result;
}

FileResult ReadFileInPieces(const std::string &path, const std::function<void(std::string_view)> &take)
{
    Descriptor file(OpenWithoutWaiting(path.c_str(), O_RDONLY));
    if (file.get() < 0)
        return LastFailure();
    struct stat status;
    if (::fstat(file.get(), &status) != 0)
        return LastFailure();
    if (S_ISDIR(status.st_mode))
        return Failure(EISDIR);
    // Only a plain file has an end: a device such as /dev/zero would be read
    // for ever, and a pipe would wait for a writer.
    if (!S_ISREG(status.st_mode))
        return {FileProblem::NotPlainFile, {}};
    std::vector<char> piece(ReadPieceSize);
    for (;;) {
        const ssize_t count = ::read(file.get(), piece.data(), piece.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return LastFailure();
        }
        if (count == 0)
            return {};
        take(std::string_view(piece.data(), std::size_t(count)));
    }
}
