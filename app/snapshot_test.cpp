#include "app/snapshot.h"

#include <gtest/gtest.h>

#include <string>

namespace geoweave::detail {

namespace {

std::string nameFor(const char* pattern, int turn) {
  char name[512];
  formatSnapshotName(pattern, turn, name);
  return name;
}

TEST(SnapshotName, TurnNumberHasAtLeastFourDigits) {
  EXPECT_EQ(nameFor("grnd%04d.bmp", 0), "grnd0000.bmp");
  EXPECT_EQ(nameFor("grnd%04d.bmp", 7), "grnd0007.bmp");
  EXPECT_EQ(nameFor("all%04d.bmp", 9999), "all9999.bmp");
  EXPECT_EQ(nameFor("grnd%04d.bmp", 12345), "grnd12345.bmp");
  EXPECT_EQ(nameFor("50%%land%04d.bmp", 3), "50%land0003.bmp");
}

TEST(SnapshotName, LongNameIsCutAt511Characters) {
  const std::string pattern = std::string(600, 'a') + "%04d.bmp";
  EXPECT_EQ(nameFor(pattern.c_str(), 1), std::string(511, 'a'));
}

}  // namespace

}  // namespace geoweave::detail
