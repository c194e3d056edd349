#include "image/bmp_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "image/rgb_image.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

class BmpWriter : public TestDirectory {};

Bytes readFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& name, const Bytes& bytes) {
  std::ofstream out(name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

uint32_t le32(const Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint32_t le16(const Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8);
}

void expectHeader(const Bytes& b, uint32_t width, uint32_t height, uint32_t fileSize) {
  ASSERT_GE(b.size(), 54u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(le32(b, 2), fileSize);
  EXPECT_EQ(le16(b, 6), 0u);
  EXPECT_EQ(le16(b, 8), 0u);
  EXPECT_EQ(le32(b, 10), 54u);
  EXPECT_EQ(le32(b, 14), 40u);
  EXPECT_EQ(le32(b, 18), width);
  EXPECT_EQ(le32(b, 22), height);
  EXPECT_EQ(le16(b, 26), 1u);
  EXPECT_EQ(le16(b, 28), 24u);
  for (size_t at = 30; at < 54; at += 4) EXPECT_EQ(le32(b, at), 0u) << "offset " << at;
}

TEST_F(BmpWriter, HeaderAndSizeOfTheMapFormats) {
  struct Case {
    int width, height;
    uint32_t fileSize;
  };
  for (const Case c : {Case{512, 256, 393270}, Case{1024, 768, 2359350}}) {
    SCOPED_TRACE(c.width);
    const RgbImage image(c.width, c.height);
    const std::string name = path("map.bmp");
    ASSERT_TRUE(image.writeBmp(name.c_str()));
    const Bytes b = readFile(name);
    ASSERT_EQ(b.size(), c.fileSize);
    expectHeader(b, c.width, c.height, c.fileSize);
    // A black image stores only zero bytes after the header.
    EXPECT_EQ(std::count(b.begin() + 54, b.end(), 0), static_cast<long>(b.size() - 54));
  }
}

TEST_F(BmpWriter, RowsArePaddedAndStoredBottomRowFirst) {
  struct Case {
    int width;
    size_t stride;  // bytes per stored row, pad included
  };
  for (const Case c : {Case{5, 16}, Case{6, 20}, Case{7, 24}}) {
    SCOPED_TRACE(c.width);
    RgbImage image(c.width, 3);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const auto v = static_cast<uint8_t>(10 * y + x + 1);
        image.at(x, y) = Rgb{v, static_cast<uint8_t>(v + 100), static_cast<uint8_t>(v + 200)};
      }
    }
    const std::string name = path("pad.bmp");
    ASSERT_TRUE(image.writeBmp(name.c_str()));
    const Bytes b = readFile(name);
    ASSERT_EQ(b.size(), 54 + 3 * c.stride);
    expectHeader(b, c.width, 3, static_cast<uint32_t>(b.size()));
    for (int y = 0; y < 3; ++y) {
      const size_t row = 54 + y * c.stride;
      for (int x = 0; x < c.width; ++x) {
        const int v = 10 * y + x + 1;
        EXPECT_EQ(b[row + 3 * x], v);
        EXPECT_EQ(b[row + 3 * x + 1], v + 100);
        EXPECT_EQ(b[row + 3 * x + 2], v + 200);
      }
      for (size_t at = row + 3 * c.width; at < row + c.stride; ++at) EXPECT_EQ(b[at], 0);
    }
  }
}

TEST_F(BmpWriter, ImageWithoutRowsIsJustTheHeader) {
  const RgbImage image(1, 0);
  const std::string name = path("flat.bmp");
  ASSERT_TRUE(image.writeBmp(name.c_str()));
  const Bytes b = readFile(name);
  ASSERT_EQ(b.size(), 54u);
  expectHeader(b, 1, 0, 54);
}

TEST_F(BmpWriter, ImageWithoutColumnsIsJustTheHeader) {
  for (const int height : {0, 5}) {
    SCOPED_TRACE(height);
    const RgbImage image(0, height);
    const std::string name = path("thin.bmp");
    ASSERT_TRUE(image.writeBmp(name.c_str()));
    const Bytes b = readFile(name);
    ASSERT_EQ(b.size(), 54u);
    expectHeader(b, 0, static_cast<uint32_t>(height), 54);
  }
}

TEST_F(BmpWriter, NameNearTheLengthLimitIsWritten) {
  // The scratch copy's suffix must not push a valid name past the limit on
  // one path component.
  const std::string leaf = std::string(246, 'n') + ".bmp";
  const std::string name = path(leaf.c_str());
  RgbImage image(2, 2);
  image.at(1, 1) = Rgb{4, 5, 6};
  ASSERT_TRUE(image.writeBmp(name.c_str()));
  EXPECT_EQ(readFile(name).size(), 70u);
  EXPECT_EQ(entries(), std::vector<std::string>{leaf});
  EXPECT_FALSE(image.writeBmp(path((leaf + std::string(10, 'x')).c_str()).c_str()));
  EXPECT_EQ(entries(), std::vector<std::string>{leaf});
}

TEST_F(BmpWriter, WritingAgainReplacesTheFile) {
  const std::string name = path("twice.bmp");
  RgbImage first(4, 4);
  first.at(0, 0) = Rgb{1, 2, 3};
  ASSERT_TRUE(first.writeBmp(name.c_str()));
  RgbImage second(2, 1);
  second.at(1, 0) = Rgb{7, 8, 9};
  ASSERT_TRUE(second.writeBmp(name.c_str()));
  const Bytes b = readFile(name);
  ASSERT_EQ(b.size(), 62u);
  EXPECT_EQ(le32(b, 18), 2u);
  EXPECT_EQ((Bytes(b.begin() + 54, b.end())), (Bytes{0, 0, 0, 7, 8, 9, 0, 0}));
  EXPECT_EQ(entries(), std::vector<std::string>{"twice.bmp"});
}

TEST_F(BmpWriter, NewFileFollowsTheUmask) {
  const mode_t old = umask(027);
  const RgbImage image(2, 2);
  const std::string name = path("mode.bmp");
  const bool written = image.writeBmp(name.c_str());
  umask(old);
  ASSERT_TRUE(written);
  struct stat info {};
  ASSERT_EQ(stat(name.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(BmpWriter, NeverOverwritesAFileAtATemporaryName) {
  // Files with the names the writer would pick for its scratch copy belong to
  // somebody else: they must come through untouched, whatever the result.
  const std::string name = path("busy.bmp");
  const std::string prefix = name + "." + std::to_string(getpid()) + ".";
  const Bytes decoy = {'k', 'e', 'e', 'p'};
  const int decoys = 1000;
  for (int i = 0; i < decoys; ++i) writeFile(prefix + std::to_string(i) + ".tmp", decoy);
  const RgbImage image(3, 2);
  const bool written = image.writeBmp(name.c_str());
  EXPECT_EQ(fs::exists(name), written);
  for (int i = 0; i < decoys; ++i) {
    ASSERT_EQ(readFile(prefix + std::to_string(i) + ".tmp"), decoy) << i;
  }
  EXPECT_EQ(entries().size(), static_cast<size_t>(decoys + (written ? 1 : 0)));
}

TEST_F(BmpWriter, MissingDirectoryGivesFalseAndNoFile) {
  const RgbImage image(3, 3);
  EXPECT_FALSE(image.writeBmp(path("nowhere/a.bmp").c_str()));
  EXPECT_FALSE(fs::exists(dir + "/nowhere"));

  // The same through a relative name: nothing may land in the working directory.
  char* previous = getcwd(nullptr, 0);
  ASSERT_NE(previous, nullptr);
  ASSERT_EQ(chdir(dir.c_str()), 0);
  const bool written = image.writeBmp("nowhere/a.bmp");
  const int back = chdir(previous);
  free(previous);
  ASSERT_EQ(back, 0);
  EXPECT_FALSE(written);
  EXPECT_TRUE(entries().empty());
}

TEST_F(BmpWriter, DirectoryAtTheNameStaysAndGivesFalse) {
  const std::string name = path("taken.bmp");
  ASSERT_TRUE(fs::create_directory(name));
  const RgbImage image(3, 3);
  EXPECT_FALSE(image.writeBmp(name.c_str()));
  EXPECT_TRUE(fs::is_directory(name));
  EXPECT_EQ(entries(), std::vector<std::string>{"taken.bmp"});
}

TEST_F(BmpWriter, MissingPixelsGiveFalseWithoutCreatingAFile) {
  RgbImage image(3, 3);
  Rgb* const kept = image.pixels;
  image.pixels = nullptr;
  const bool written = image.writeBmp(path("none.bmp").c_str());
  image.pixels = kept;
  EXPECT_FALSE(written);
  EXPECT_TRUE(entries().empty());
}

TEST_F(BmpWriter, FailureMidwayLeavesNothingAndKeepsTheOldFile) {
  // Width 5 has padded rows of 16 bytes; 5000 rows outgrow the writer's
  // buffer, so a late failure comes after bytes already reached the disk.
  RgbImage image(5, 5000);
  image.at(2, 1) = Rgb{9, 9, 9};
  const int64_t size = 54 + 5000 * 16;
  const std::string name = path("out.bmp");
  const int64_t points[] = {0, 20, 53, 54, 80, 70000, size - 1};
  for (const int64_t failAfter : points) {
    SCOPED_TRACE(failAfter);
    errno = 0;
    EXPECT_FALSE(writeBmpFile(image, name.c_str(), failAfter));
    // The device's reason reaches the caller, who names it (geoweave::writeBmp).
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_TRUE(entries().empty());
  }

  const Bytes old = {'o', 'l', 'd'};
  writeFile(name, old);
  for (const int64_t failAfter : points) {
    SCOPED_TRACE(failAfter);
    EXPECT_FALSE(writeBmpFile(image, name.c_str(), failAfter));
    EXPECT_EQ(readFile(name), old);
    EXPECT_EQ(entries(), std::vector<std::string>{"out.bmp"});
  }

  // A device that holds exactly the file is enough.
  ASSERT_TRUE(writeBmpFile(image, name.c_str(), size));
  EXPECT_EQ(readFile(name).size(), static_cast<size_t>(size));
}

}  // namespace

}  // namespace geoweave::detail
