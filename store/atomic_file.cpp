#include "store/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#endif

namespace {

#ifdef _WIN32

// No mkstemp here: a name from the process, a counter and the clock, created
// only if it does not exist yet, and another name when it does.
int OpenTemp(const char* path, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    const unsigned long long stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, ".%x%x%llx", static_cast<unsigned>(_getpid()), counter++, stamp);
        tempPath = std::string(path) + suffix;
        const int file = _open(tempPath.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                               _S_IREAD | _S_IWRITE);
        if (file >= 0 || errno != EEXIST) return file;
    }
    return -1;
}

// Windows files have no permission bits to keep.
bool KeepMode(int, const char*) { return true; }

bool Write(int file, const char* data, size_t size) {
    while (size > 0) {
        const unsigned chunk = size < (1u << 30) ? static_cast<unsigned>(size) : 1u << 30;
        const int written = _write(file, data, chunk);
        if (written <= 0) return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool Sync(int file) { return _commit(file) == 0; }
bool Close(int file) { return _close(file) == 0; }

// rename() refuses to replace an existing file on Windows; the library's
// rename replaces it.
bool Rename(const char* from, const char* to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

#else

constexpr char kTempSuffix[] = ".XXXXXX";

// The temporary file stays locked while it is written, so that a later save
// can tell one left by a killed program from one still being written.
int OpenTemp(const char* path, std::string& tempPath) {
    tempPath = std::string(path) + kTempSuffix;
    const int file = mkstemp(&tempPath[0]);
    if (file < 0) return file;
    fcntl(file, F_SETFD, FD_CLOEXEC);  // not handed to programs the game starts
    flock(file, LOCK_EX);
    return file;
}

bool IsTempNameOf(const char* name, const std::string& base) {
    const size_t random = sizeof kTempSuffix - 2;
    if (std::strlen(name) != base.size() + 1 + random || base.compare(0, base.size(), name, base.size()) != 0 ||
        name[base.size()] != '.')
        return false;
    for (size_t i = base.size() + 1; name[i] != '\0'; ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

// Removes the temporary files that saves of `path` killed halfway left
// behind: those that no one holds locked.
void RemoveTempsBeside(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        if (!IsTempNameOf(entry->d_name, base)) continue;
        const std::string temp = (slash == std::string::npos ? "" : folder) + entry->d_name;
        const int file = open(temp.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (file < 0) continue;
        if (flock(file, LOCK_EX | LOCK_NB) == 0) unlink(temp.c_str());
        ::close(file);
    }
    closedir(dir);
}

// mkstemp makes the file rw-------: a settings file someone opened to the
// group stays open to it, and one kept private stays private. A file
// without write permission is left as it is, as Windows leaves a read-only
// file: the rename would replace it anyway, since only the folder's
// permission counts for that. The superuser may write any file, so a file
// that no one may write counts as read-only for it too.
bool KeepMode(int file, const char* path) {
    struct stat old;
    mode_t mode;
    if (stat(path, &old) == 0) {
        if ((old.st_mode & 0222) == 0 || access(path, W_OK) != 0) return false;
        mode = old.st_mode & 07777;
    } else if (errno == ENOENT) {
        // The umask can only be read by setting it; putting it straight
        // back leaves a moment in which another thread would create files
        // without it.
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0644 & ~mask;
    } else {
        return false;
    }
    return fchmod(file, mode) == 0;
}

bool Write(int file, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(file, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool Sync(int file) { return fsync(file) == 0; }
bool Close(int file) { return ::close(file) == 0; }
bool Rename(const char* from, const char* to) { return std::rename(from, to) == 0; }

// The file a chain of symbolic links ends at, so that a link into a
// dotfiles folder stays a link and its target gets the new content. A link
// that leads nowhere yet names the file to create.
std::string FollowLinks(const char* path) {
    std::string target = path;
    for (int hop = 0; hop < 40; ++hop) {  // the system's own limit on a chain
        char next[4096];
        const ssize_t length = readlink(target.c_str(), next, sizeof next);
        if (length < 0 || static_cast<size_t>(length) >= sizeof next) return target;
        const std::string link(next, static_cast<size_t>(length));
        const size_t slash = target.rfind('/');
        // A relative link is read from the folder the link is in.
        target = link[0] == '/' || slash == std::string::npos ? link : target.substr(0, slash + 1) + link;
    }
    return target;
}

#endif

bool Remove(const char* path) { return std::remove(path) == 0; }

constexpr FileOps kSystemOps = {OpenTemp, KeepMode, Write, Sync, Close, Rename, Remove};
const FileOps* currentOps = &kSystemOps;

}  // namespace

const FileOps& SystemFileOps() { return kSystemOps; }

void RemoveAbandonedTemps(const char* path) {
#ifdef _WIN32
    (void)path;  // no locks to tell an abandoned file by
#else
    RemoveTempsBeside(FollowLinks(path));
#endif
}

void UseFileOps(const FileOps* ops) { currentOps = ops ? ops : &kSystemOps; }

bool ReplaceFileAtomically(const char* path, std::initializer_list<std::string_view> parts) {
    const FileOps& ops = *currentOps;
#ifndef _WIN32
    const std::string target = FollowLinks(path);
    path = target.c_str();
    RemoveTempsBeside(target);
#endif
    std::string tempPath;
    const int file = ops.openTemp(path, tempPath);
    if (file < 0) return false;
    bool ok = ops.keepMode(file, path);
    for (std::string_view part : parts) ok = ok && ops.write(file, part.data(), part.size());
    ok = ok && ops.sync(file);
    ok = ops.close(file) && ok;  // closed whatever failed before, or the descriptor leaks
    ok = ok && ops.rename(tempPath.c_str(), path);
    if (!ok) ops.remove(tempPath.c_str());
    return ok;
}
