#include "storage/file_access.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/core/temp_folder.h"

namespace {

// A replaced file keeps its group and permissions: the record file and the units of a folder a
// class shares stay writable by everyone in the group, whoever saved last.
struct KeptCase {
  const char* name;
  gid_t group;
  mode_t mode;
};

class ReplacedFile : public ::testing::TestWithParam<KeptCase> {};

TEST_P(ReplacedFile, KeepsItsGroupAndPermissions) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving a file another group needs root";
  const KeptCase& c = GetParam();
  TempFolder folder;
  const std::string path = folder / "Record.ini";
  TempFolder::Write(path, "old\r\n");
  ASSERT_EQ(::chown(path.c_str(), static_cast<uid_t>(-1), c.group), 0);
  ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
  ASSERT_TRUE(ReplaceFileAtomically(path, "new\r\n"));
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_gid, c.group);
  EXPECT_EQ(after.st_mode & 07777, c.mode);
  EXPECT_EQ(TempFolder::Read(path), "new\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplacedFile,
                         ::testing::Values(KeptCase{"GroupWritable", 4242, 0664},
                                           KeptCase{"GroupReadOnly", 4243, 0640},
                                           KeptCase{"OwnGroup", 0, 0600}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
