#include "filedown/spool_file.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "fakes/temp_dir.h"

namespace presslane {
namespace {

// The scratch file as a C stream that closes it.
std::FILE* stream_of(int fd) {
#ifdef _WIN32
    return _fdopen(fd, "w+b");
#else
    return fdopen(fd, "w+b");
#endif
}

std::string read_all(std::FILE* file) {
    std::rewind(file);
    std::string bytes;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, file))
        bytes.append(buffer, n);
    return bytes;
}

TEST(SpoolFile, HoldsTheBodyGivesReleasedBytesBackAsZerosAndLeavesNothingBehind) {
    TempDir dir;
    const int fd = open_spool_file(dir.path());
    ASSERT_GE(fd, 0);
    std::FILE* file = stream_of(fd);
    ASSERT_NE(file, nullptr);
    const std::size_t block = 1 << 16;
    const std::string body = std::string(block, 'a') + std::string(block, 'b');
    ASSERT_EQ(std::fwrite(body.data(), 1, body.size(), file), body.size());
    ASSERT_EQ(std::fflush(file), 0);
    EXPECT_EQ(read_all(file), body);

    // A file system that cannot release keeps the bytes; either way the size stays.
    const bool released = release_spool_range(fd, 0, block);
    EXPECT_EQ(read_all(file), (released ? std::string(block, '\0') : std::string(block, 'a')) +
                                  std::string(block, 'b'));

    std::fclose(file);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(open_spool_file(dir.path() / "missing"), -1);
}

}  // namespace
}  // namespace presslane
