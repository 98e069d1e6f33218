// Holding a database file: its content is read or mapped through the held
// handle, a missing file is a JetError, and on Windows nobody else may
// write the file while it is held.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "db/JetFileLock.h"
#include "db/JetFileMapping.h"
#include "db/JetReader.h"

namespace lanvero::db {
namespace {

class JetFileLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = ::testing::TempDir() + "jet-file-lock-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
            ".bin";
    std::ofstream(path_, std::ios::binary) << "content";
  }
  void TearDown() override { std::remove(path_.c_str()); }
  std::string path_;
};

TEST_F(JetFileLockTest, ReadsWholeFileEachTime) {
  JetFileLock lock(path_);
  const std::vector<std::uint8_t> expected{'c', 'o', 'n', 't', 'e', 'n', 't'};
  EXPECT_EQ(lock.ReadAll(), expected);
  EXPECT_EQ(lock.ReadAll(), expected);
  JetFileLock moved(std::move(lock));
  EXPECT_EQ(moved.ReadAll(), expected);
}

TEST_F(JetFileLockTest, MapsTheWholeFileItHolds) {
  const JetFileLock lock(path_);
  const JetFileMapping mapping(lock);
  EXPECT_EQ(std::vector<std::uint8_t>(mapping.data(), mapping.data() + mapping.size()), lock.ReadAll());

  const std::string emptyPath = path_ + ".empty";
  std::ofstream(emptyPath, std::ios::binary).close();
  {
    const JetFileLock emptyLock(emptyPath);
    const JetFileMapping empty(emptyLock);
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_THROW(JetDatabase::FromMapping(std::make_shared<const JetFileMapping>(emptyLock)), JetError);
  }
  std::remove(emptyPath.c_str());
}

TEST_F(JetFileLockTest, MissingFileIsAnError) {
  EXPECT_THROW(JetFileLock(path_ + ".missing"), JetError);
  EXPECT_THROW(JetDatabase::FromFile(path_ + ".missing"), JetError);
}

#ifdef _WIN32
TEST_F(JetFileLockTest, OthersCannotWriteWhileHeld) {
  {
    const JetFileLock lock(path_);
    std::ofstream writer(path_, std::ios::binary | std::ios::trunc);
    EXPECT_FALSE(writer.is_open());
  }
  std::ofstream writer(path_, std::ios::binary | std::ios::trunc);
  EXPECT_TRUE(writer.is_open());
}
#endif

}  // namespace
}  // namespace lanvero::db
