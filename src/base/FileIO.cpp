#include "base/FileIO.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace FileIO {

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

// The whole file, read through a small buffer straight onto the end of the result, so that
// the result's memory is written once (resizing first would write it twice: zeros, then the
// file). A file that ends before the size it had when opened fails.
template <typename Buffer>
ResultCode readInto(const std::string& path, Buffer& out) {
    // Without O_NONBLOCK a FIFO under the name would wait for a writer before fstat refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Result::Failed;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0;
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
            if (ok) data.insert(data.end(), chunk, chunk + n);
        }
    }
    ::close(fd);
    if (!ok) return Result::Failed;
    out = std::move(data);
    return Result::Ok;
}

// Test seam: when set, the writes of one writeFileAtomically call stop with an error
// once this many bytes have gone out, as a full disk would make them.
std::optional<std::size_t> g_failAfterBytes;

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

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

}  // namespace

ResultCode readWholeFile(const std::string& path, std::vector<std::uint8_t>& out) { return readInto(path, out); }
ResultCode readWholeFile(const std::string& path, std::string& out) { return readInto(path, out); }

ResultCode readTextFile(const std::string& path, std::string& out) {
    std::string text;
    if (readInto(path, text) != Result::Ok) return Result::Failed;
    if (text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) text.erase(0, kByteOrderMark.size());
    out = std::move(text);
    return Result::Ok;
}

ResultCode writeFileAtomically(const std::string& path, const void* data, std::size_t size, bool keepTail) {
    WriteError ignored;
    return writeFileAtomically(path, data, size, keepTail, ignored);
}

ResultCode writeFileAtomically(const std::string& path, const void* data, std::size_t size, bool keepTail,
                               WriteError& error) {
    std::string target = path;
    auto fail = [&](int code, const char* text = nullptr) {
        error.cause = text != nullptr ? text : std::strerror(code);
        error.path = target;
        return Result::Failed;
    };
    if (path.empty()) return fail(ENOENT);
    const auto* bytes = static_cast<const unsigned char*>(data);

    if (int e = followLinks(path, target)) return fail(e);

    struct stat st {};
    bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return fail(errno);
    if (exists && S_ISDIR(st.st_mode)) return fail(EISDIR);
    if (exists && !S_ISREG(st.st_mode)) return fail(0, "Not a regular file");
    if (exists && !isWritable(target, st)) return fail(EACCES);

    std::vector<unsigned char> tail;
    if (exists && keepTail && static_cast<std::uint64_t>(st.st_size) > size) {
        std::vector<std::uint8_t> old;
        if (readWholeFile(target, old) != Result::Ok) return fail(EIO);
        if (old.size() > size) tail.assign(old.begin() + static_cast<std::ptrdiff_t>(size), old.end());
    }

    fs::path dir = fs::path(target).parent_path();
    if (dir.empty()) dir = ".";
    std::string tmpl = (dir / ("." + fs::path(target).filename().string() + ".tmp-XXXXXX")).string();
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    // A missing folder, or one that takes no new files, fails the write: writing the file
    // in place could leave it half written.
    int fd = ::mkstemp(name.data());
    if (fd < 0) return fail(errno);
    std::string tmp(name.data());
    std::optional<std::size_t> budget = g_failAfterBytes;
    // The first failing step gives the error; the file is closed whatever happened.
    bool ok = true;
    int err = 0;
    auto step = [&](bool done) {
        if (ok && !done) {
            ok = false;
            err = errno;
        }
    };
    step(writeAll(fd, bytes, size, budget) && writeAll(fd, tail.data(), tail.size(), budget));
    // The replacement keeps the owner where the process may set it, and the mode.
    if (ok && exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Not permitted: the file then belongs to the writer, as a new file would.
        }
    }
    if (ok) step(::fchmod(fd, exists ? (st.st_mode & 07777) : 0644) == 0);
    if (ok) step(::fsync(fd) == 0);
    step(::close(fd) == 0);
    if (ok) step(::rename(tmp.c_str(), target.c_str()) == 0);
    if (!ok) {
        ::unlink(tmp.c_str());
        return fail(err);
    }
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return Result::Ok;
}

void setFailAfterBytesForTesting(std::optional<std::size_t> bytes) { g_failAfterBytes = bytes; }

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
