#include "base/FileIO.h"

#include "base/PathText.h"

#ifdef _WIN32
#include <windows.h>

#include <cwctype>
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
// folded, in four lanes that take 32 bytes a step side by side, so that a large image hashes at
// the speed of memory): the same bytes give the same value however they are split. Only ever
// compared within one run of the program, so the byte order of the machine does not matter.
class ByteHash {
public:
    void add(const void* data, std::size_t n) {
        if (n == 0) return;  // data may then be null, which memcpy does not take
        const auto* p = static_cast<const unsigned char*>(data);
        total_ += n;
        if (pending_ > 0) {
            const std::size_t take = std::min(n, sizeof block_ - pending_);
            std::memcpy(block_ + pending_, p, take);
            pending_ += take;
            p += take;
            n -= take;
            if (pending_ < sizeof block_) return;
            mix(block_);
            pending_ = 0;
        }
        for (; n >= sizeof block_; p += sizeof block_, n -= sizeof block_) mix(p);
        std::memcpy(block_, p, n);
        pending_ = n;
    }
    std::uint64_t value() const {
        std::uint64_t h = kBasis;
        for (std::uint64_t lane : lanes_) h = fold((h ^ lane) * kPrime);
        for (std::size_t i = 0; i < pending_; ++i) h = (h ^ block_[i]) * kPrime;
        return h ^ total_;
    }

private:
    static constexpr std::uint64_t kPrime = 0x100000001B3;
    static constexpr std::uint64_t kBasis = 0xCBF29CE484222325;
    static std::uint64_t fold(std::uint64_t h) { return h ^ (h >> 29); }
    void mix(const unsigned char* p) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            std::uint64_t w = 0;
            std::memcpy(&w, p + 8 * lane, sizeof w);
            lanes_[lane] = fold((lanes_[lane] ^ w) * kPrime);
        }
    }
    std::uint64_t lanes_[4] = {kBasis, kBasis ^ 1, kBasis ^ 2, kBasis ^ 3};
    std::uint64_t total_ = 0;
    unsigned char block_[32] = {};
    std::size_t pending_ = 0;
};

// The stamp of the bytes of a file (and the tail kept after them, for a write): their size and
// hash, with the time given.
FileStamp stampOfBytes(const void* bytes, std::size_t size, const std::vector<std::uint8_t>& tail,
                       std::int64_t modified) {
    ByteHash hash;
    hash.add(bytes, size);
    hash.add(tail.data(), tail.size());
    return {true, size + tail.size(), modified, hash.value()};
}

std::string inFolder(const std::string& dir, std::string_view name) { return PathText::join(dir, name); }

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
        *stamp = stampOfBytes(data.data(), data.size(), {}, modifiedNanoseconds(st));
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
    int linkName() {
        if (!path_.empty()) return 0;
        if (linkUnder() == 0) return 0;
        ::close(fd_);  // no /proc to link it through: written again under a name
        fd_ = -1;
        return makeNamed();
    }

    const std::string& path() const { return path_; }
    // The name is the target's now, or a copy kept for the user.
    void release() { path_.clear(); }
    void retain() { keep_ = true; }

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
    FileStamp written = stampOfBytes(bytes, size, tail, 0);

    const std::string dir = PathText::folderOf(target);
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
            if (tmp.linkName() == 0) {
                tmp.retain();
                error.kept = tmp.path();
            }
            return fail(e);
        }
    } else {
        if (int e = tmp.linkName()) return fail(e);
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

bool fileExists(const std::string& path) {
    std::error_code ec;
    if (path.empty()) return false;
    if (path.back() == '/') {
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

bool folderTakesNewFiles(const std::string& folder) {
    std::string probe = inFolder(folder, ".tamsel-probe-XXXXXX");
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

ResultCode makeFolders(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec) ? Result::Ok : Result::Failed;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return names;
    while (const dirent* entry = ::readdir(listing)) {
        struct stat st {};
        if (::fstatat(::dirfd(listing), entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode))
            names.emplace_back(entry->d_name);
    }
    ::closedir(listing);
    return names;
}

ResultCode removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT ? Result::Ok : Result::Failed;
}

std::string fullPath(const std::string& path) {
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        std::string name(real);
        std::free(real);
        return name;
    }
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

#else

// ---------------------------------------------------------------------------------------
// Windows: the wide file functions, on paths in the form that takes any length
// (PathText::win32Path). The causes use the words of the POSIX branch where they mean the
// same, so that a message reads alike on every platform.

namespace {

constexpr const char* kNoSuchFile = "No such file or directory";
constexpr const char* kIsFolder = "Is a directory";
constexpr const char* kNotRegular = "Not a regular file";
constexpr const char* kDenied = "Permission denied";
constexpr const char* kDiskFull = "No space left on device";
constexpr const char* kBadName = "Invalid file name";
constexpr const char* kDevice = "A name Windows keeps for a device";
// An emulator keeps the image it runs open and lets nobody else write or replace it.
constexpr const char* kInUse = "Another program holds the file open";

// A handle closed when it goes.
class Handle {
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }
    bool close() {
        const bool ok = !valid() || ::CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }
    void reset(HANDLE h) {
        close();
        h_ = h;
    }

private:
    HANDLE h_;
};

std::string causeOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return kNoSuchFile;
        case ERROR_ACCESS_DENIED:
            return kDenied;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return kInUse;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return kDiskFull;
        case ERROR_WRITE_PROTECT:
            return "Read-only file system";
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_DIRECTORY:
            return kBadName;
        case ERROR_FILENAME_EXCED_RANGE:
            return "File name too long";
        default:
            break;
    }
    wchar_t* text = nullptr;
    const DWORD n =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string cause = n > 0 ? PathText::fromWide(std::wstring_view(text, n)) : "Error " + std::to_string(code);
    if (text != nullptr) ::LocalFree(text);
    while (!cause.empty() &&
           (cause.back() == '\n' || cause.back() == '\r' || cause.back() == '.' || cause.back() == ' '))
        cause.pop_back();
    return cause;
}

void setCause(FileError* error, const std::string& path, const std::string& cause) {
    if (error == nullptr) return;
    error->cause = cause;
    error->path = path;
}

std::int64_t nanoseconds(const FILETIME& t) {
    constexpr std::int64_t kUnixEpoch = 116444736000000000;  // 1970-01-01 in 100 ns steps from 1601
    const std::int64_t ticks = static_cast<std::int64_t>((std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime);
    return (ticks - kUnixEpoch) * 100;
}

std::uint64_t sizeFrom(DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; }

// The last name of a path, with a drive's "X:" taken off a bare "X:name".
std::wstring_view lastName(std::wstring_view path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    std::wstring_view name = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
    if (slash == std::wstring_view::npos && name.size() >= 2 && name[1] == L':') name.remove_prefix(2);
    return name;
}

// The names Windows takes for a device in every folder (NUL, CON, COM1, ...), with or
// without an extension.
bool isDeviceName(std::wstring_view name) {
    std::wstring base(name.substr(0, name.find(L'.')));
    while (!base.empty() && base.back() == L' ') base.pop_back();
    for (wchar_t& c : base) c = static_cast<wchar_t>(::towupper(c));
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
        if (base == device) return true;
    return base.size() == 4 && (base.starts_with(L"COM") || base.starts_with(L"LPT")) && base[3] >= L'1' &&
           base[3] <= L'9';
}

// Why a file cannot be written under this name, or nullptr. Windows would take a name
// ending in a dot or a blank without them, writing another file than the one named, and a
// colon names a stream inside another file.
const char* nameFault(std::wstring_view name) {
    if (isDeviceName(name)) return kDevice;
    if (name == L"." || name == L"..") return nullptr;
    if (name.size() > 255) return "File name too long";
    for (const wchar_t c : name)
        if (c < 32 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos) return kBadName;
    if (!name.empty() && (name.back() == L'.' || name.back() == L' ')) return kBadName;
    return nullptr;
}

Handle openExisting(const std::wstring& path, DWORD access, DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    return Handle(::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, flags, nullptr));
}

bool attributes(const std::wstring& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
    return ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) != 0;
}

// The cause of a failed open: a folder under the name says so.
std::string openCause(const std::wstring& path, DWORD code) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (attributes(path, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return kIsFolder;
    return causeOf(code);
}

template <typename Buffer>
bool readInto(const std::string& path, Buffer& out, FileStamp* stamp, FileError* error) {
    const std::optional<std::wstring> wide = PathText::win32Path(path);
    if (!wide) {
        setCause(error, path, kBadName);
        return false;
    }
    if (isDeviceName(lastName(*wide))) {
        setCause(error, path, kDevice);
        return false;
    }
    Handle file = openExisting(*wide, GENERIC_READ);
    if (!file.valid()) {
        setCause(error, path, openCause(*wide, ::GetLastError()));
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        setCause(error, path, kNotRegular);
        return false;
    }
    if (::GetFileInformationByHandle(file.get(), &info) == 0) {
        setCause(error, path, causeOf(::GetLastError()));
        return false;
    }
    const std::uint64_t size = sizeFrom(info.nFileSizeHigh, info.nFileSizeLow);
    Buffer data(static_cast<std::size_t>(size), 0);
    for (std::size_t done = 0; done < data.size();) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 24));
        DWORD got = 0;
        if (::ReadFile(file.get(), data.data() + done, want, &got, nullptr) == 0) {
            setCause(error, path, causeOf(::GetLastError()));
            return false;
        }
        if (got == 0) {
            setCause(error, path, "File shrank while it was read");
            return false;
        }
        done += got;
    }
    if (stamp != nullptr) {
        *stamp = stampOfBytes(data.data(), data.size(), {}, nanoseconds(info.ftLastWriteTime));
    }
    out = std::move(data);
    return true;
}

bool stampWithoutHash(const std::string& path, FileStamp& stamp) {
    const std::optional<std::wstring> wide = PathText::win32Path(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!wide || isDeviceName(lastName(*wide)) || !attributes(*wide, data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    stamp = {true, sizeFrom(data.nFileSizeHigh, data.nFileSizeLow), nanoseconds(data.ftLastWriteTime), 0};
    return true;
}

// Writes the bytes, stopping as a full disk would once the test seam's budget is spent; 0,
// or the error.
DWORD writeAll(HANDLE file, const unsigned char* p, std::size_t n, std::optional<std::size_t>& budget) {
    while (n > 0) {
        std::size_t chunk = std::min<std::size_t>(n, 1u << 24);
        if (budget) {
            if (*budget == 0) return ERROR_DISK_FULL;
            chunk = std::min(chunk, *budget);
        }
        DWORD written = 0;
        if (::WriteFile(file, p, static_cast<DWORD>(chunk), &written, nullptr) == 0) return ::GetLastError();
        p += written;
        n -= written;
        if (budget) *budget -= written;
    }
    return 0;
}

// A symbolic link (or a folder junction on the way) is written through: the final path of
// the file it names, as the system resolves it. Anything else stays as it is.
// The name the system finally resolves an existing file or folder to, links followed and in
// the case the folder keeps; "" when it does not tell.
std::wstring finalName(const std::wstring& wide) {
    Handle file = openExisting(wide, 0, FILE_FLAG_BACKUP_SEMANTICS);
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        if (!file.valid()) return {};
        const DWORD n = ::GetFinalPathNameByHandleW(file.get(), final.data(), static_cast<DWORD>(final.size()), 0);
        if (n == 0) return {};
        if (n < final.size()) {
            final.resize(n);
            return final;
        }
        final.resize(n + 1);
    }
}

// A path as a person writes it, without the prefix that lifts the length limit.
std::string plainPath(const std::wstring& path) {
    if (path.starts_with(LR"(\\?\UNC\)")) return PathText::fromWide(LR"(\\)" + path.substr(8));
    if (path.starts_with(LR"(\\?\)")) return PathText::fromWide(path.substr(4));
    return PathText::fromWide(path);
}

std::string finalPath(const std::string& path, const std::wstring& wide) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!attributes(wide, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return path;
    const std::wstring final = finalName(wide);
    return final.empty() ? path : plainPath(final);
}

// Removes the temporary files of this program's naming that a killed write left in the
// folder, once they are older than kLeftoverAge. Nothing else is touched; errors are let be.
void removeLeftovers(const std::string& dir) {
    const std::optional<std::wstring> pattern = PathText::win32Path(inFolder(dir, ".tamsel-*.tmp"));
    if (!pattern) return;
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        ::FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return;
    const std::int64_t limit = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                   (std::chrono::system_clock::now() - kLeftoverAge).time_since_epoch())
                                   .count();
    do {
        const std::string name = PathText::fromWide(found.cFileName);
        if (!isTemporaryName(name) || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
            nanoseconds(found.ftLastWriteTime) >= limit)
            continue;
        if (const auto file = PathText::win32Path(inFolder(dir, name))) ::DeleteFileW(file->c_str());
    } while (::FindNextFileW(search, &found) != 0);
    ::FindClose(search);
}

// The temporary file of one write, under a short name in the target's folder. It is marked
// for deletion from the start, so that a write killed before the rename leaves nothing;
// the mark is lifted only when the file is complete and about to be renamed (or kept).
class Temporary {
public:
    explicit Temporary(std::string dir) : dir_(std::move(dir)) {}
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        file_.close();
        if (!wide_.empty() && !keep_) ::DeleteFileW(wide_.c_str());
    }

    // Makes the file; 0, or the error.
    DWORD make() {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string path = inFolder(dir_, temporaryName());
            const std::optional<std::wstring> wide = PathText::win32Path(path);
            if (!wide) return ERROR_INVALID_NAME;
            file_.reset(::CreateFileW(wide->c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file_.valid()) {
                const DWORD e = ::GetLastError();
                if (e == ERROR_FILE_EXISTS || e == ERROR_ALREADY_EXISTS) continue;
                return e;
            }
            path_ = path;
            wide_ = *wide;
            // Without the mark (a file system that refuses it) the name is removed as before.
            FILE_DISPOSITION_INFO gone{TRUE};
            marked_ = ::SetFileInformationByHandle(file_.get(), FileDispositionInfo, &gone, sizeof gone) != 0;
            return 0;
        }
        return ERROR_FILE_EXISTS;
    }

    HANDLE handle() const { return file_.get(); }

    // Lifts the deletion mark and closes the file, which then stays under its name; 0, or
    // the error.
    DWORD linkName() {
        if (marked_) {
            FILE_DISPOSITION_INFO stay{FALSE};
            if (::SetFileInformationByHandle(file_.get(), FileDispositionInfo, &stay, sizeof stay) == 0)
                return ::GetLastError();
            marked_ = false;
        }
        return file_.close() ? 0 : ::GetLastError();
    }

    const std::string& path() const { return path_; }
    const std::wstring& wide() const { return wide_; }
    // The name is the target's now, or a copy kept for the user.
    void release() { wide_.clear(); }
    void retain() { keep_ = true; }

private:
    std::string dir_;
    Handle file_;
    std::string path_;
    std::wstring wide_;
    bool marked_ = false;
    bool keep_ = false;
};

// The lock every writer of this program takes in a folder around comparing a file with its
// stamp and replacing it. The lock is an open of the lock file that shares it with nobody;
// the file goes when its holder closes it (or ends), and a writer that finds it held, or
// just being removed, tries again a moment later.
class FolderLock {
public:
    // 0, or the error.
    DWORD take(const std::string& dir) {
        const std::optional<std::wstring> wide = PathText::win32Path(inFolder(dir, kLockName));
        if (!wide) return ERROR_INVALID_NAME;
        for (int removing = 0;;) {
            file_.reset(::CreateFileW(wide->c_str(), GENERIC_READ | DELETE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
            if (file_.valid()) return 0;
            const DWORD e = ::GetLastError();
            if (e != ERROR_SHARING_VIOLATION && (e != ERROR_ACCESS_DENIED || ++removing > 400)) return e;
            ::Sleep(5);
        }
    }

private:
    Handle file_;
};

// Writes the new contents over a hard-linked target in place and flushes them: the only
// way for every name of the file to see them. The modification time written into stamp.
DWORD copyInPlace(const std::wstring& target, const unsigned char* data, std::size_t size,
                  const std::vector<unsigned char>& tail, std::optional<std::size_t>& budget, FileStamp& stamp) {
    Handle file(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return ::GetLastError();
    if (DWORD e = writeAll(file.get(), data, size, budget)) return e;
    if (DWORD e = writeAll(file.get(), tail.data(), tail.size(), budget)) return e;
    if (::SetEndOfFile(file.get()) == 0 || ::FlushFileBuffers(file.get()) == 0 || !file.close())
        return ::GetLastError();
    WIN32_FILE_ATTRIBUTE_DATA done{};
    if (attributes(target, done)) stamp.modified = nanoseconds(done.ftLastWriteTime);
    return 0;
}

// Whether another program holds the file open so that it can be neither written nor
// replaced; such a handle refuses an open for writing and deleting.
bool heldByAnother(const std::wstring& target) {
    Handle probe = openExisting(target, GENERIC_WRITE | DELETE);
    return !probe.valid() && ::GetLastError() == ERROR_SHARING_VIOLATION;
}

ResultCode writeImpl(const std::string& path, const unsigned char* bytes, std::size_t size, bool keepTail,
                     FileStamp* stamp, FileError& error) {
    std::string target = path;
    auto fail = [&](const std::string& cause) {
        setCause(&error, target, cause);
        return Result::Failed;
    };
    if (path.empty()) return fail(kNoSuchFile);
    std::optional<std::wstring> wide = PathText::win32Path(path);
    if (!wide) return fail(kBadName);
    target = finalPath(path, *wide);
    if (target != path) wide = PathText::win32Path(target);
    if (!wide) return fail(kBadName);
    // The name as given: the full path has lost a trailing dot or blank already.
    if (const char* fault = nameFault(lastName(PathText::toWide(target).value_or(L"")))) return fail(fault);

    WIN32_FILE_ATTRIBUTE_DATA st{};
    const bool exists = attributes(*wide, st);
    if (!exists && ::GetLastError() != ERROR_FILE_NOT_FOUND) return fail(causeOf(::GetLastError()));
    if (exists && (st.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return fail(kIsFolder);
    if (exists && (st.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) return fail(kDenied);
    // The test seam's full disk strikes the temporary file, or for a hard-linked target the
    // copy in place.
    bool linkedBefore = false;
    if (exists) {
        // A file another program holds is found out before anything is written: the
        // replacement would fail at its last step.
        Handle probe = openExisting(*wide, GENERIC_WRITE | DELETE);
        if (!probe.valid()) return fail(causeOf(::GetLastError()));
        if (::GetFileType(probe.get()) != FILE_TYPE_DISK) return fail(kNotRegular);
        BY_HANDLE_FILE_INFORMATION info{};
        linkedBefore = ::GetFileInformationByHandle(probe.get(), &info) != 0 && info.nNumberOfLinks > 1;
    }

    std::vector<unsigned char> tail;
    const std::uint64_t oldSize = exists ? sizeFrom(st.nFileSizeHigh, st.nFileSizeLow) : 0;
    if (exists && keepTail && oldSize > size) {
        std::vector<std::uint8_t> old;
        if (!readInto(target, old, nullptr, &error)) return Result::Failed;
        if (old.size() > size) tail.assign(old.begin() + static_cast<std::ptrdiff_t>(size), old.end());
    }
    FileStamp written = stampOfBytes(bytes, size, tail, 0);

    const std::string dir = PathText::folderOf(target);
    removeLeftovers(dir);
    std::optional<std::size_t> budget = g_failAfterBytes;
    std::optional<std::size_t> noBudget;
    // A missing folder, or one that takes no new files, fails the write: writing the file
    // in place could leave it half written.
    Temporary tmp(dir);
    if (DWORD e = tmp.make()) return fail(causeOf(e));
    if (DWORD e = writeAll(tmp.handle(), bytes, size, linkedBefore ? noBudget : budget)) return fail(causeOf(e));
    if (DWORD e = writeAll(tmp.handle(), tail.data(), tail.size(), linkedBefore ? noBudget : budget))
        return fail(causeOf(e));
    if (::FlushFileBuffers(tmp.handle()) == 0) return fail(causeOf(::GetLastError()));

    FolderLock lock;
    if (DWORD e = lock.take(dir)) return fail(causeOf(e));
    if (g_beforeReplace != nullptr) g_beforeReplace();
    if (stamp != nullptr && stamp->known && !unchangedSince(target, *stamp)) {
        setCause(&error, target, "The file changed since it was read");
        return kChangedOnDisk;
    }
    BY_HANDLE_FILE_INFORMATION now{};
    Handle current = openExisting(*wide, FILE_READ_ATTRIBUTES);
    const bool linked = current.valid() && ::GetFileInformationByHandle(current.get(), &now) != 0 &&
                        (now.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && now.nNumberOfLinks > 1;
    current.close();
    if (linked) {
        // A file with more than one name cannot be replaced in one step: a new file would
        // take this name only and leave the other names on the old contents. It is written
        // over in place from the complete copy; should that fail, the copy stays for the
        // user, and the error names it.
        if (DWORD e = copyInPlace(*wide, bytes, size, tail, budget, written)) {
            if (tmp.linkName() == 0) {
                tmp.retain();
                error.kept = tmp.path();
            }
            return fail(causeOf(e));
        }
    } else {
        if (DWORD e = tmp.linkName()) return fail(causeOf(e));
        WIN32_FILE_ATTRIBUTE_DATA done{};
        if (attributes(tmp.wide(), done)) written.modified = nanoseconds(done.ftLastWriteTime);
        if (::MoveFileExW(tmp.wide().c_str(), wide->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
            const DWORD e = ::GetLastError();
            return fail(e == ERROR_ACCESS_DENIED && heldByAnother(*wide) ? std::string(kInUse) : causeOf(e));
        }
        tmp.release();
    }
    if (stamp != nullptr) *stamp = written;
    return Result::Ok;
}

}  // namespace

bool fileExists(const std::string& path) {
    if (path.empty()) return false;
    if (path.back() == '\\' || path.back() == '/') {
        const std::optional<std::wstring> pattern = PathText::win32Path(path + "*");
        WIN32_FIND_DATAW found{};
        const HANDLE search =
            pattern ? ::FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0)
                    : INVALID_HANDLE_VALUE;
        if (search == INVALID_HANDLE_VALUE) return false;
        bool any = false;
        do any = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
        while (!any && ::FindNextFileW(search, &found) != 0);
        ::FindClose(search);
        return any;
    }
    FileStamp ignored;
    return stampWithoutHash(path, ignored);
}

bool folderTakesNewFiles(const std::string& folder) {
    const std::optional<std::wstring> probe = PathText::win32Path(inFolder(folder, temporaryName()));
    return probe && Handle(::CreateFileW(probe->c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr))
                        .valid();
}

ResultCode makeFolders(const std::string& folder) {
    const std::optional<std::wstring> wide = PathText::win32Path(folder);
    if (!wide) return Result::Failed;
    // Each folder from the top down; the drive, the share and folders that exist refuse,
    // and the check at the end tells.
    for (std::size_t at = wide->find(L'\\');; at = wide->find(L'\\', at + 1)) {
        ::CreateDirectoryW(wide->substr(0, at).c_str(), nullptr);
        if (at == std::wstring::npos) break;
    }
    const DWORD found = ::GetFileAttributesW(wide->c_str());
    return found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Result::Ok : Result::Failed;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    const std::optional<std::wstring> pattern = PathText::win32Path(inFolder(folder, "*"));
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        pattern ? ::FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0)
                : INVALID_HANDLE_VALUE;
    if (search == INVALID_HANDLE_VALUE) return names;
    do
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(PathText::fromWide(found.cFileName));
    while (::FindNextFileW(search, &found) != 0);
    ::FindClose(search);
    return names;
}

ResultCode removeFile(const std::string& path) {
    const std::optional<std::wstring> wide = PathText::win32Path(path);
    if (!wide) return Result::Failed;
    return ::DeleteFileW(wide->c_str()) != 0 || ::GetLastError() == ERROR_FILE_NOT_FOUND ? Result::Ok : Result::Failed;
}

std::string fullPath(const std::string& path) {
    const std::optional<std::wstring> wide = PathText::win32Path(path);
    if (!wide) return path;
    const std::wstring final = finalName(*wide);
    return plainPath(final.empty() ? *wide : final);
}

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
    FileStamp stamp;
    if (!stampWithoutHash(path, stamp)) return std::nullopt;
    return stamp.size;
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

char separator() { return static_cast<char>(fs::path::preferred_separator); }

const char* separators() {
#ifdef _WIN32
    return "\\/";
#else
    return "/";
#endif
}

}  // namespace FileIO
