#include "base/FileIO.h"

#ifdef _WIN32
#include <fstream>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace FileIO {

namespace {

// ---------------------------------------------------------------------------------------
// Shared by every platform

// Test seams: when set, the writes of one write stop with an error once this many bytes
// have gone out, as a full disk would make them; the hook runs before the comparison with
// a stamp.
std::optional<std::size_t> g_failAfterBytes;
void (*g_beforeReplace)() = nullptr;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Temporary files of this program: ".tamsel-" and eight letters or digits, then ".tmp";
// the same 20 bytes whatever the target is called, so that a target whose name the file
// system only just takes can still be written. The lock file has one fixed name.
constexpr std::string_view kTempPrefix = ".tamsel-";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr std::size_t kTempLetters = 8;
constexpr std::string_view kLockName = ".tamsel.lock";
constexpr std::string_view kTempAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
// Leftovers of a write that was killed are removed once they are this old: no write runs
// that long, so none of them still belongs to a write in progress.
constexpr auto kLeftoverAge = std::chrono::hours(24);

std::string temporaryName() {
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string name(kTempPrefix);
    for (std::size_t i = 0; i < kTempLetters; ++i) name += kTempAlphabet[random() % kTempAlphabet.size()];
    name += kTempSuffix;
    return name;
}

bool isTemporaryName(std::string_view name) {
    if (name.size() != kTempPrefix.size() + kTempLetters + kTempSuffix.size()) return false;
    if (!name.starts_with(kTempPrefix) || !name.ends_with(kTempSuffix)) return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(kTempPrefix.size()),
                       name.end() - static_cast<std::ptrdiff_t>(kTempSuffix.size()),
                       [](char c) { return kTempAlphabet.find(c) != std::string_view::npos; });
}

// A hash of a byte sequence given in pieces (FNV-1a over eight bytes at a time, each step
// folded): the same bytes give the same value however they are split. Only ever compared
// within one run of the program, so the byte order of the machine does not matter.
class ByteHash {
public:
    void add(const void* data, std::size_t n) {
        if (n == 0) return;  // data may then be null, which memcpy does not take
        const auto* p = static_cast<const unsigned char*>(data);
        total_ += n;
        if (pending_ > 0) {
            const std::size_t take = std::min(n, sizeof word_ - pending_);
            std::memcpy(word_ + pending_, p, take);
            pending_ += take;
            p += take;
            n -= take;
            if (pending_ < sizeof word_) return;
            mix(word_);
            pending_ = 0;
        }
        for (; n >= sizeof word_; p += sizeof word_, n -= sizeof word_) mix(p);
        std::memcpy(word_, p, n);
        pending_ = n;
    }
    std::uint64_t value() const {
        std::uint64_t h = h_;
        for (std::size_t i = 0; i < pending_; ++i) h = (h ^ word_[i]) * kPrime;
        return h ^ total_;
    }

private:
    static constexpr std::uint64_t kPrime = 0x100000001B3;
    void mix(const unsigned char* p) {
        std::uint64_t w = 0;
        std::memcpy(&w, p, sizeof w);
        h_ = (h_ ^ w) * kPrime;
        h_ ^= h_ >> 29;
    }
    std::uint64_t h_ = 0xCBF29CE484222325;
    std::uint64_t total_ = 0;
    unsigned char word_[8] = {};
    std::size_t pending_ = 0;
};

// The folder a file lies in, "." for a bare name.
std::string folderOf(const std::string& file) {
    fs::path dir = fs::path(file).parent_path();
    return dir.empty() ? std::string(".") : dir.string();
}

std::string inFolder(const std::string& dir, std::string_view name) { return (fs::path(dir) / name).string(); }

}  // namespace

std::string FileError::text() const {
    std::string t = cause + ": " + path;
    if (!kept.empty()) t += " (the new contents are in " + kept + ")";
    return t;
}

#ifndef _WIN32

// ---------------------------------------------------------------------------------------
// POSIX systems

namespace {

// Maps the pages of a fresh buffer in one call. Memory is otherwise mapped page by page as
// it is first written, one fault per 4 KiB, and on virtual machines those faults cost more
// than the copy of the file itself. Kernels before 5.14 refuse the request; nothing changes.
void mapPagesAhead(void* buffer, std::size_t size) {
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(buffer);
    const std::uintptr_t first = (start + page - 1) & ~(page - 1);
    const std::uintptr_t end = (start + size) & ~(page - 1);
    if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
    (void)buffer;
    (void)size;
#endif
}

std::int64_t modifiedNanoseconds(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

void setCause(FileError* error, const std::string& path, int code, const char* text = nullptr) {
    if (error == nullptr) return;
    error->cause = text != nullptr ? text : std::strerror(code);
    error->path = path;
}

// The whole file, read through a small buffer straight onto the end of the result, so that
// the result's memory is written once (resizing first would write it twice: zeros, then the
// file). A file that ends before the size it had when opened fails.
template <typename Buffer>
bool readInto(const std::string& path, Buffer& out, FileStamp* stamp, FileError* error) {
    // Without O_NONBLOCK a FIFO under the name would wait for a writer before fstat refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        setCause(error, path, errno);
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (!ok) setCause(error, path, errno);
    if (ok && S_ISDIR(st.st_mode)) setCause(error, path, EISDIR);
    if (ok && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) setCause(error, path, 0, "Not a regular file");
    ok = ok && S_ISREG(st.st_mode) && st.st_size >= 0;
    Buffer data;
    if (ok && st.st_size > 0) {
        const auto size = static_cast<std::size_t>(st.st_size);
        data.reserve(size);
        mapPagesAhead(data.data(), size);
        char chunk[16384];
        while (ok && data.size() < size) {
            const ssize_t n = ::read(fd, chunk, std::min(sizeof chunk, size - data.size()));
            if (n < 0 && errno == EINTR) continue;
            ok = n > 0;
            if (n < 0) setCause(error, path, errno);
            if (n == 0) setCause(error, path, 0, "File shrank while it was read");
            if (ok) data.insert(data.end(), chunk, chunk + n);
        }
    }
    ::close(fd);
    if (!ok) return false;
    if (stamp != nullptr) {
        ByteHash hash;
        hash.add(data.data(), data.size());
        *stamp = {true, data.size(), modifiedNanoseconds(st), hash.value()};
    }
    out = std::move(data);
    return true;
}

bool stampWithoutHash(const std::string& path, FileStamp& stamp) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    stamp = {true, static_cast<std::uint64_t>(st.st_size), modifiedNanoseconds(st), 0};
    return true;
}

bool writeAll(int fd, const unsigned char* p, std::size_t n, std::optional<std::size_t>& budget) {
    while (n > 0) {
        std::size_t chunk = n;
        if (budget) {
            if (*budget == 0) {
                errno = ENOSPC;
                return false;
            }
            chunk = std::min(chunk, *budget);
        }
        ssize_t w = ::write(fd, p, chunk);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
        if (budget) *budget -= static_cast<std::size_t>(w);
    }
    return true;
}

bool isWritable(const std::string& path, const struct stat& st) {
    // root passes access() for every file, so a file without any write bit counts as
    // read-only for root as well: the user marked it so on purpose.
    if (::geteuid() == 0) return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return ::access(path.c_str(), W_OK) == 0;
}

// Follows a chain of symbolic links from path to the name that is finally written; a
// relative link target counts from the link's own folder. A name that does not exist ends
// the chain, so a dangling link leads to the file it names. 0, or the error.
int followLinks(const std::string& path, std::string& target) {
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {  // the system's own limit on a chain of links
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = current.string();
            return 0;
        }
        std::vector<char> buf(static_cast<std::size_t>(PATH_MAX) + 1);
        ssize_t n = ::readlink(current.c_str(), buf.data(), buf.size() - 1);
        if (n < 0) return errno;
        fs::path next(std::string(buf.data(), static_cast<std::size_t>(n)));
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return ELOOP;
}

// Removes the temporary files of this program's naming that a killed write left in the
// folder, once they are older than kLeftoverAge. Nothing else is touched; errors are let be.
void removeLeftovers(const std::string& dir) {
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr) return;
    const auto now = std::chrono::system_clock::now();
    const std::int64_t limit =
        std::chrono::duration_cast<std::chrono::seconds>((now - kLeftoverAge).time_since_epoch()).count();
    while (const dirent* entry = ::readdir(listing)) {
        if (!isTemporaryName(entry->d_name)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(listing), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            static_cast<std::int64_t>(st.st_mtim.tv_sec) < limit)
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
    }
    ::closedir(listing);
}

// The temporary file of one write. Where the system and the file system offer it, the file
// is made without a name (O_TMPFILE), so that a write killed before it is complete leaves
// nothing behind; only when it is to be renamed over the target (or kept) is it linked under
// a short name, through /proc/self/fd with AT_SYMLINK_FOLLOW (which needs no privilege,
// unlike AT_EMPTY_PATH). Elsewhere (FAT and exFAT sticks, no /proc) it is made under a
// short name from the start. The name is removed when the object goes, unless kept.
template <typename Fill>
class Temporary {
public:
    // fill writes the whole contents into a descriptor; 0, or the error.
    Temporary(std::string dir, Fill fill) : dir_(std::move(dir)), fill_(fill) {}
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty() && !keep_) ::unlink(path_.c_str());
    }

    // Makes the file in the folder and fills it; 0, or the error.
    int make() {
#ifdef O_TMPFILE
        fd_ = ::open(dir_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ >= 0) return fill_(fd_);
#endif
        return makeNamed();
    }

    // Gives the file its short name, if it has none yet; 0, or the error.
    int name() {
        if (!path_.empty()) return 0;
        if (linkUnder() == 0) return 0;
        ::close(fd_);  // no /proc to link it through: written again under a name
        fd_ = -1;
        return makeNamed();
    }

    const std::string& path() const { return path_; }
    // The name is the target's now, or a copy kept for the user.
    void release() { path_.clear(); }
    void keep() { keep_ = true; }

private:
    int makeNamed() {
        for (int attempt = 0; fd_ < 0; ++attempt) {
            const std::string path = inFolder(dir_, temporaryName());
            fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && (errno != EEXIST || attempt == 100)) return errno;
            if (fd_ >= 0) path_ = path;
        }
        return fill_(fd_);
    }

    int linkUnder() {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string path = inFolder(dir_, temporaryName());
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                path_ = path;
                return 0;
            }
            if (errno != EEXIST) return errno;
        }
        return EEXIST;
    }

    std::string dir_;
    Fill fill_;
    int fd_ = -1;
    std::string path_;
    bool keep_ = false;
};

// The lock every writer of this program takes in a folder around comparing a file with its
// stamp and replacing it. A lock on the file itself would not do: the replacement is a new
// file, so a second writer would lock the old one. The lock file is removed by its holder
// while it still holds it; a writer that waited on a removed file takes the new one.
class FolderLock {
public:
    FolderLock() = default;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock() {
        if (fd_ < 0) return;
        ::unlink(path_.c_str());
        ::close(fd_);
    }

    // 0, or the error. A file system without locks is written without one.
    int take(const std::string& dir) {
        path_ = inFolder(dir, kLockName);
        for (;;) {
            // Read access is enough for a lock, and leaves a lock file another user made usable.
            fd_ = ::open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd_ < 0) return errno;
            int locked = 0;
            while ((locked = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
            }
            if (locked != 0) {
                ::close(fd_);
                fd_ = -1;
                ::unlink(path_.c_str());
                return 0;
            }
            struct stat held {};
            struct stat named {};
            if (::fstat(fd_, &held) == 0 && ::stat(path_.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
                held.st_dev == named.st_dev)
                return 0;
            ::close(fd_);
            fd_ = -1;
        }
    }

private:
    int fd_ = -1;
    std::string path_;
};

// Writes the new contents over a hard-linked target in place and flushes them: the only
// way for every name of the file to see them. The modification time written into stamp.
int copyInPlace(const std::string& target, const unsigned char* data, std::size_t size,
                const std::vector<unsigned char>& tail, std::optional<std::size_t>& budget, FileStamp& stamp) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    struct stat st {};
    const bool ok = writeAll(fd, data, size, budget) && writeAll(fd, tail.data(), tail.size(), budget) &&
                    ::ftruncate(fd, static_cast<off_t>(size + tail.size())) == 0 && ::fsync(fd) == 0 &&
                    ::fstat(fd, &st) == 0;
    const int err = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) return errno;
    if (ok) stamp.modified = modifiedNanoseconds(st);
    return err;
}

ResultCode writeImpl(const std::string& path, const unsigned char* bytes, std::size_t size, bool keepTail,
                     FileStamp* stamp, FileError& error) {
    std::string target = path;
    auto fail = [&](int code, const char* text = nullptr) {
        setCause(&error, target, code, text);
        return Result::Failed;
    };
    if (path.empty()) return fail(ENOENT);
    if (int e = followLinks(path, target)) return fail(e);

    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return fail(errno);
    if (exists && S_ISDIR(st.st_mode)) return fail(EISDIR);
    if (exists && !S_ISREG(st.st_mode)) return fail(0, "Not a regular file");
    if (exists && !isWritable(target, st)) return fail(EACCES);

    std::vector<unsigned char> tail;
    if (exists && keepTail && static_cast<std::uint64_t>(st.st_size) > size) {
        std::vector<std::uint8_t> old;
        if (!readInto(target, old, nullptr, nullptr)) return fail(EIO);
        if (old.size() > size) tail.assign(old.begin() + static_cast<std::ptrdiff_t>(size), old.end());
    }
    ByteHash hash;
    hash.add(bytes, size);
    hash.add(tail.data(), tail.size());
    FileStamp written{true, size + tail.size(), 0, hash.value()};

    const std::string dir = folderOf(target);
    removeLeftovers(dir);
    // The test seam's full disk strikes the temporary file, or for a hard-linked target the
    // copy in place.
    const bool linkedBefore = exists && st.st_nlink > 1;
    std::optional<std::size_t> budget = g_failAfterBytes;
    std::optional<std::size_t> noBudget;
    // A missing folder, or one that takes no new files, fails the write: writing the file
    // in place could leave it half written.
    Temporary tmp(dir, [&](int fd) {
        std::optional<std::size_t>& limit = linkedBefore ? noBudget : budget;
        if (!writeAll(fd, bytes, size, limit) || !writeAll(fd, tail.data(), tail.size(), limit)) return errno;
        // The replacement keeps the owner where the process may set it, and the mode; a
        // new file has the mode its creation gave it, 0666 less the umask.
        if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
            if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
                // Not permitted: the file then belongs to the writer, as a new file would.
            }
        }
        if (exists && ::fchmod(fd, st.st_mode & 07777) != 0) return errno;
        if (::fsync(fd) != 0) return errno;
        struct stat done {};
        if (::fstat(fd, &done) != 0) return errno;
        written.modified = modifiedNanoseconds(done);
        return 0;
    });
    if (int e = tmp.make()) return fail(e);

    FolderLock lock;
    if (int e = lock.take(dir)) return fail(e);
    if (g_beforeReplace != nullptr) g_beforeReplace();
    if (stamp != nullptr && stamp->known && !unchangedSince(target, *stamp)) {
        setCause(&error, target, 0, "The file changed since it was read");
        return kChangedOnDisk;
    }
    struct stat now {};
    if (::stat(target.c_str(), &now) == 0 && S_ISREG(now.st_mode) && now.st_nlink > 1) {
        // A file with more than one name cannot be replaced in one step: a new file would
        // take this name only and leave the other names on the old contents. It is written
        // over in place from the complete copy; should that fail, the copy stays for the
        // user, and the error names it.
        if (int e = copyInPlace(target, bytes, size, tail, budget, written)) {
            if (tmp.name() == 0) {
                tmp.keep();
                error.kept = tmp.path();
            }
            return fail(e);
        }
    } else {
        if (int e = tmp.name()) return fail(e);
        if (::rename(tmp.path().c_str(), target.c_str()) != 0) return fail(errno);
        tmp.release();
        const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd >= 0) {
            ::fsync(dfd);
            ::close(dfd);
        }
    }
    if (stamp != nullptr) *stamp = written;
    return Result::Ok;
}

}  // namespace

#else

// ---------------------------------------------------------------------------------------
// Windows: the standard library's files. No lock is taken and hard links are not kept yet.

namespace {

std::int64_t modifiedNanoseconds(const fs::path& path, std::error_code& ec) {
    const auto t = fs::last_write_time(path, ec);
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

void setCause(FileError* error, const std::string& path, const std::string& cause) {
    if (error == nullptr) return;
    error->cause = cause;
    error->path = path;
}

template <typename Buffer>
bool readInto(const std::string& path, Buffer& out, FileStamp* stamp, FileError* error) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) {
        setCause(error, path, ec.message());
        return false;
    }
    if (!fs::is_regular_file(status)) {
        setCause(error, path, fs::is_directory(status) ? "Is a directory" : "Not a regular file");
        return false;
    }
    std::ifstream in(fs::path(path), std::ios::binary);
    const std::uint64_t size = fs::file_size(path, ec);
    const std::int64_t modified = modifiedNanoseconds(path, ec);
    if (!in || ec) {
        setCause(error, path, ec ? ec.message() : std::string("Permission denied"));
        return false;
    }
    Buffer data(static_cast<std::size_t>(size), 0);
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (static_cast<std::uint64_t>(in.gcount()) != size) {
        setCause(error, path, "Input/output error");
        return false;
    }
    if (stamp != nullptr) {
        ByteHash hash;
        hash.add(data.data(), data.size());
        *stamp = {true, size, modified, hash.value()};
    }
    out = std::move(data);
    return true;
}

bool stampWithoutHash(const std::string& path, FileStamp& stamp) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    const std::uint64_t size = fs::file_size(path, ec);
    const std::int64_t modified = modifiedNanoseconds(path, ec);
    if (ec) return false;
    stamp = {true, size, modified, 0};
    return true;
}

// Writes data then tail to a fresh file, stopping as a full disk would with the test seam.
bool writeBoth(const fs::path& file, const unsigned char* data, std::size_t size,
               const std::vector<unsigned char>& tail, std::ios::openmode mode) {
    std::optional<std::size_t> budget = g_failAfterBytes;
    std::ofstream out(file, std::ios::binary | mode);
    for (auto [p, n] : {std::pair{data, size}, std::pair{tail.data(), tail.size()}}) {
        const std::size_t allowed = budget ? std::min(n, *budget) : n;
        out.write(reinterpret_cast<const char*>(p), static_cast<std::streamsize>(allowed));
        if (budget) *budget -= allowed;
        if (allowed < n) return false;
    }
    out.flush();
    return static_cast<bool>(out);
}

ResultCode writeImpl(const std::string& path, const unsigned char* bytes, std::size_t size, bool keepTail,
                     FileStamp* stamp, FileError& error) {
    if (path.empty()) {
        setCause(&error, path, "No such file or directory");
        return Result::Failed;
    }
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    const bool exists = fs::exists(status);
    if (exists && !fs::is_regular_file(status)) {
        setCause(&error, path, fs::is_directory(status) ? "Is a directory" : "Not a regular file");
        return Result::Failed;
    }
    std::vector<unsigned char> tail;
    if (exists && keepTail) {
        std::vector<std::uint8_t> old;
        if (!readInto(path, old, nullptr, &error)) return Result::Failed;
        if (old.size() > size) tail.assign(old.begin() + static_cast<std::ptrdiff_t>(size), old.end());
    }
    const std::string dir = folderOf(path);
    const fs::path tmp = inFolder(dir, temporaryName());
    if (!writeBoth(tmp, bytes, size, tail, std::ios::trunc)) {
        fs::remove(tmp, ec);
        setCause(&error, path, "No space left on device");
        return Result::Failed;
    }
    if (g_beforeReplace != nullptr) g_beforeReplace();
    if (stamp != nullptr && stamp->known && !unchangedSince(path, *stamp)) {
        fs::remove(tmp, ec);
        setCause(&error, path, "The file changed since it was read");
        return kChangedOnDisk;
    }
    fs::rename(tmp, path, ec);
    if (ec) {
        fs::remove(tmp, ec);
        setCause(&error, path, ec.message());
        return Result::Failed;
    }
    if (stamp != nullptr) {
        ByteHash hash;
        hash.add(bytes, size);
        hash.add(tail.data(), tail.size());
        *stamp = {true, size + tail.size(), modifiedNanoseconds(path, ec), hash.value()};
    }
    return Result::Ok;
}

}  // namespace

#endif

// ---------------------------------------------------------------------------------------
// The same on every platform

ResultCode readWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
    return readInto(path, out, nullptr, nullptr) ? Result::Ok : Result::Failed;
}
ResultCode readWholeFile(const std::string& path, std::string& out) {
    return readInto(path, out, nullptr, nullptr) ? Result::Ok : Result::Failed;
}
ResultCode readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, FileStamp& stamp, FileError& error) {
    return readInto(path, out, &stamp, &error) ? Result::Ok : Result::Failed;
}

ResultCode readTextFile(const std::string& path, std::string& out) {
    std::string text;
    if (!readInto(path, text, nullptr, nullptr)) return Result::Failed;
    if (text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) text.erase(0, kByteOrderMark.size());
    out = std::move(text);
    return Result::Ok;
}

std::optional<std::uint64_t> fileSize(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    const std::uint64_t size = fs::file_size(path, ec);
    if (ec) return std::nullopt;
    return size;
}

bool unchangedSince(const std::string& path, const FileStamp& stamp) {
    FileStamp now;
    if (!stamp.known || !stampWithoutHash(path, now) || now.size != stamp.size || now.modified != stamp.modified)
        return false;
    std::vector<std::uint8_t> bytes;
    return readInto(path, bytes, &now, nullptr) && now == stamp;
}

ResultCode writeFileAtomically(const std::string& path, const void* data, std::size_t size, bool keepTail) {
    FileError ignored;
    return writeFileAtomically(path, data, size, keepTail, ignored);
}

ResultCode writeFileAtomically(const std::string& path, const void* data, std::size_t size, bool keepTail,
                               FileError& error) {
    return writeImpl(path, static_cast<const unsigned char*>(data), size, keepTail, nullptr, error);
}

ResultCode writeFileIfUnchanged(const std::string& path, const void* data, std::size_t size, bool keepTail,
                                FileStamp& stamp, FileError& error) {
    return writeImpl(path, static_cast<const unsigned char*>(data), size, keepTail, &stamp, error);
}

void setFailAfterBytesForTesting(std::optional<std::size_t> bytes) { g_failAfterBytes = bytes; }
void setBeforeReplaceForTesting(void (*hook)()) { g_beforeReplace = hook; }

bool fileExists(const std::string& path) {
    std::error_code ec;
    if (path.empty()) return false;
    if (path.back() == separator() || path.back() == '/') {
        fs::directory_iterator it(path, ec);
        if (ec) return false;
        for (; it != fs::directory_iterator(); it.increment(ec)) {
            if (ec) return false;
            if (it->is_regular_file(ec)) return true;
        }
        return false;
    }
    return fs::is_regular_file(path, ec);
}

char separator() { return static_cast<char>(fs::path::preferred_separator); }

}  // namespace FileIO
