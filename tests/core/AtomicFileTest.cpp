// Files written beside their target and renamed: what happens to what was there before.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/AtomicFile.h"
#include "support/ErrorMatchers.h"
#include "support/Tools.h"

namespace kalder::test {
namespace {

void save(const std::string& path, std::string_view text) {
    AtomicFile file(path, "SaveXML");
    file.write(text);
    file.commit();
}

TEST(AtomicFile, KeepsPermissionsWritesThroughLinksAndRefusesWhatIsNoFile) {
    namespace fs = std::filesystem;
    ScratchDir dir;
    const std::string file = dir.file("doc.xml"), link = dir.file("link.xml");
    save(file, "one");
    ::chmod(file.c_str(), 0640);
    fs::create_symlink("doc.xml", link);
    save(link, "two");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(file), "two");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms(0640));
    ::mkfifo(dir.file("pipe").c_str(), 0600);
    for (const std::string target : {dir.file("pipe"), dir.path().string(), std::string("/dev/null")})
        EXPECT_THAT(errorOf([&] { save(target, "x"); }),
                    IsError(75, "SaveXML", "Path/File access error : " + target + ": not a regular file"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 3) << "no temporary file is left";
}

}  // namespace
}  // namespace kalder::test
