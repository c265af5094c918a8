#include "core/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "kalder/AutomationError.h"

namespace kalder {

AtomicFile::AtomicFile(std::string target, std::string errorSource)
    : target_(std::move(target)), source_(std::move(errorSource)) {
    if (target_.empty()) fail("no file name");
    std::string pattern = target_ + ".XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) fail(std::strerror(errno));
    temp_ = pattern;
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        int e = errno;
        ::close(fd);
        std::remove(temp_.c_str());
        fail(std::strerror(e));
    }
    // mkstemp creates the file readable by its owner only; a saved document is an ordinary file.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

AtomicFile::~AtomicFile() {
    if (file_) std::fclose(file_);
    if (!committed_ && !temp_.empty()) std::remove(temp_.c_str());
}

void AtomicFile::fail(const std::string& reason) {
    throw AutomationError(75, source_, "Path/File access error : " + target_ + ": " + reason);
}

void AtomicFile::write(const void* data, std::size_t size) {
    if (!file_) fail("file is closed");
    if (size && std::fwrite(data, 1, size, file_) != size) fail(std::strerror(errno));
    written_ += size;
}

void AtomicFile::commit() {
    if (!file_) fail("file is closed");
    bool ok = std::fflush(file_) == 0;
    int e = errno;
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (!ok) fail(std::strerror(e ? e : errno));
    if (std::rename(temp_.c_str(), target_.c_str()) != 0) fail(std::strerror(errno));
    committed_ = true;
}

}  // namespace kalder
