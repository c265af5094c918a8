#include "core/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/TemporaryFiles.h"
#include "kalder/AutomationError.h"

namespace kalder {

namespace {
// A name beside the target that no other writer uses: the process and a running number, and
// O_EXCL to step over a leftover of an earlier process with the same number.
int createBeside(const std::string& target, std::string& temp) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target + ".kalder-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        // 0666 less the umask, applied by the kernel: a saved document is an ordinary file.
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}
}  // namespace

AtomicFile::AtomicFile(std::string target, std::string errorSource)
    : target_(std::move(target)), source_(std::move(errorSource)) {
    if (target_.empty()) fail("no file name");
    // A symbolic link is written through: the file it names is replaced and the link stays.
    namespace fs = std::filesystem;
    std::error_code ec;
    destination_ = target_;
    if (fs::is_symlink(fs::symlink_status(target_, ec))) {
        const fs::path link = fs::read_symlink(target_, ec);
        if (!ec) destination_ = (link.is_absolute() ? link : fs::path(target_).parent_path() / link).string();
    }
    // Only a regular file is replaced: a device, a pipe or a folder of that name is refused
    // rather than turned into a file. An existing file keeps its permission bits.
    struct stat existing {};
    const bool exists = ::stat(destination_.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) fail("not a regular file");
    std::string temp;
    int fd = createBeside(destination_, temp);
    if (fd < 0) fail(std::strerror(errno));
    temp_ = std::move(temp);
    slot_ = temporary::record(temp_);
    if (exists) ::fchmod(fd, existing.st_mode & 07777);
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        int e = errno;
        ::close(fd);
        std::remove(temp_.c_str());
        temporary::forget(slot_);
        fail(std::strerror(e));
    }
}

AtomicFile::~AtomicFile() {
    if (file_) std::fclose(file_);
    if (!committed_ && !temp_.empty()) std::remove(temp_.c_str());
    temporary::forget(slot_);
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
    if (std::rename(temp_.c_str(), destination_.c_str()) != 0) fail(std::strerror(errno));
    committed_ = true;
    temporary::forget(slot_);
    slot_ = -1;
}

}  // namespace kalder
