#pragma once
// Replacing a file whole. The new bytes go to a temporary file of a unique
// name in the same folder, which is flushed to the disk and then renamed
// over the file in one step: a crash, a kill or a full disk in the middle
// leaves the old file or the new one, never a cut or mixed one.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Writes `parts` one after the other as the new content of `path`. A file
// that stood there keeps its permission bits; a new one gets rw-r--r--
// less the umask. A symbolic link stays a link, and the file it leads to is
// replaced, from that file's own folder. Returns false, with the old file
// as it was and no temporary file left, when any step fails, or when the
// file stands there without write permission. A temporary file that an
// earlier save, killed halfway, left beside the file is removed.
bool ReplaceFileAtomically(const char* path, std::initializer_list<std::string_view> parts);

// Removes the temporary files that saves of `path` killed halfway left
// beside it, as ReplaceFileAtomically does first: for a save that finds
// nothing to change. Not on Windows.
void RemoveAbandonedTemps(const char* path);

// The system calls of ReplaceFileAtomically, one a step, so that tests can
// make any one of them fail. A file is a C runtime descriptor everywhere.
struct FileOps {
    // Creates a new file beside `path` and names it in `tempPath`; -1 when
    // it cannot.
    int (*openTemp)(const char* path, std::string& tempPath);
    // Gives the new file the permission bits it is to end with; false when
    // the file at `path` may not be written.
    bool (*keepMode)(int file, const char* path);
    bool (*write)(int file, const char* data, size_t size);
    // Flushes what was written to the disk.
    bool (*sync)(int file);
    bool (*close)(int file);
    // Puts `from` in the place of `to`, replacing it.
    bool (*rename)(const char* from, const char* to);
    bool (*remove)(const char* path);
};

const FileOps& SystemFileOps();

// Makes ReplaceFileAtomically use `ops`, which must outlive that use, or
// the system's calls again for nullptr. For tests only.
void UseFileOps(const FileOps* ops);
