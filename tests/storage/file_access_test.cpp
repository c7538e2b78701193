#include "storage/file_access.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "support/core/temp_folder.h"

// The system calls of a save, interposed so that one of them can be made to fail with EIO: the
// n-th call after arming fails, every other goes to the C library.
namespace {
int failAt = -1;
int calls = 0;
bool Injected() { return failAt >= 0 && calls++ == failAt; }
}  // namespace

#define MEVROLIN_FAULTY(ret, name, params, args)                                         \
  extern "C" ret name params {                                                           \
    if (Injected()) return errno = EIO, -1;                                              \
    static const auto real = reinterpret_cast<ret(*) params>(::dlsym(RTLD_NEXT, #name)); \
    return real args;                                                                    \
  }
MEVROLIN_FAULTY(ssize_t, write, (int fd, const void* b, size_t n), (fd, b, n))
MEVROLIN_FAULTY(int, fsync, (int fd), (fd))
MEVROLIN_FAULTY(int, close, (int fd), (fd))
MEVROLIN_FAULTY(int, rename, (const char* a, const char* b), (a, b))
#undef MEVROLIN_FAULTY

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

// Whichever call of a save fails, the file holds either its old bytes, with the failure
// reported, or the new bytes, with success: never a failure once the new file is in place.
TEST(SaveFaults, EveryFailingCallLeavesTheOldFileOrTheNewOne) {
  int failing = 0;
  for (bool reached = true; reached; ++failing) {
    TempFolder folder;
    const std::string path = folder / "unit.mvr";
    TempFolder::Write(path, "old\r\n");
    int error = 0;
    calls = 0;
    failAt = failing;
    const bool saved = ReplaceFileAtomically(path, "new\r\n", &error);
    reached = calls > failing;
    failAt = -1;
    EXPECT_EQ(TempFolder::Read(path), saved ? "new\r\n" : "old\r\n") << "call " << failing;
    EXPECT_TRUE(saved || error != 0) << "call " << failing;
  }
  EXPECT_GE(failing, 6);  // the calls were reached, up to the sync after the rename
}

}  // namespace
