// A file sink that writes to a temporary file beside the target and renames it over the
// target on commit(), so that a failed write never leaves a file that looks complete and
// never damages the previous file of that name.
//
// Contract: write() appends bytes and throws on failure; commit() flushes, closes and renames,
// and throws on failure; destroying an uncommitted sink removes the temporary file.
// Errors are AutomationError 75 with the given source and "Path/File access error : <path>: <reason>".
// A symbolic link is written through (the file it names is replaced, the link stays); an
// existing file keeps its permission bits; a target that exists and is no regular file (a
// device, a pipe, a folder) is refused with "not a regular file". A hard link to the old
// file keeps the old contents: the new file is a new inode. The temporary file is recorded
// for removeTemporaryFiles() (kalder/TemporaryFiles.h) while it exists.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kalder {

class AtomicFile {
public:
    AtomicFile(std::string target, std::string errorSource);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(const void* data, std::size_t size);
    void write(std::string_view text) { write(text.data(), text.size()); }
    void commit();

    std::size_t written() const noexcept { return written_; }
    const std::string& target() const noexcept { return target_; }

private:
    [[noreturn]] void fail(const std::string& reason);

    std::string target_;       // as the caller named it (in messages)
    std::string destination_;  // the file replaced: the target, or the file its link names
    std::string temp_;
    std::string source_;
    std::FILE* file_ = nullptr;
    std::size_t written_ = 0;
    bool committed_ = false;
    int slot_ = -1;  // its place in the record a signal handler removes temporary files by
};

}  // namespace kalder
