#include "image/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public TestDirectory {};

std::string readText(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeText(const std::string& name, const std::string& text) {
  std::ofstream(name, std::ios::binary) << text;
}

bool writeAll(int fd, const std::string& text) {
  return ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

TEST_F(AtomicFileTest, OnlyCommitReplacesTheTarget) {
  const std::string name = path("out.dat");
  writeText(name, "old");

  // Until the commit the target keeps its old bytes and the new ones sit in a
  // scratch file beside it, unnamed where the file system allows.
  {
    AtomicFile file;
    ASSERT_TRUE(file.open(name.c_str()));
    ASSERT_TRUE(writeAll(file.fd(), "new bytes"));
    EXPECT_EQ(readText(name), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"out.dat"});
    AtomicFile named;
    ASSERT_TRUE(named.open(name.c_str(), ScratchKind::kNamed));
    EXPECT_EQ(fs::path(named.tempName()).parent_path(), fs::path(dir));
    ASSERT_TRUE(writeAll(named.fd(), "named bytes"));
    EXPECT_EQ(readText(named.tempName()), "named bytes");
    named.abort();
    EXPECT_FALSE(file.open(name.c_str()));  // one scratch file per object
    EXPECT_EQ(file.error(), EBUSY);
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(file.fd(), -1);
  }
  EXPECT_EQ(readText(name), "new bytes");
  EXPECT_EQ(entries(), std::vector<std::string>{"out.dat"});

  // abort() and a destructor without commit both drop the scratch copy.
  {
    AtomicFile aborted;
    ASSERT_TRUE(aborted.open(name.c_str()));
    ASSERT_TRUE(writeAll(aborted.fd(), "lost"));
    errno = ENOSPC;
    aborted.abort();
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_FALSE(aborted.commit());
    EXPECT_EQ(aborted.error(), EBADF);
    AtomicFile forgotten;
    ASSERT_TRUE(forgotten.open(name.c_str()));
    ASSERT_TRUE(writeAll(forgotten.fd(), "lost too"));
  }
  EXPECT_EQ(readText(name), "new bytes");
  EXPECT_EQ(entries(), std::vector<std::string>{"out.dat"});

  // A failed rename (a directory holds the name) removes the scratch file.
  const std::string taken = path("taken");
  ASSERT_TRUE(fs::create_directory(taken));
  AtomicFile file;
  ASSERT_TRUE(file.open(taken.c_str()));
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(file.error(), EISDIR);
  EXPECT_EQ(entries(), (std::vector<std::string>{"out.dat", "taken"}));
}

TEST_F(AtomicFileTest, SlotsAreLimitedAndComeBack) {
  // Every open file holds a slot of the table the signal handler reads; a
  // slot that commit() or abort() failed to give back would leak for good.
  std::vector<std::unique_ptr<AtomicFile>> files;
  // Unnamed scratch files hold slots as well, so that the limit is one.
  for (int i = 0; i < kMaxOpenAtomicFiles; ++i) {
    files.push_back(std::make_unique<AtomicFile>());
    const ScratchKind kind = i % 2 == 0 ? ScratchKind::kUnnamedWhenPossible : ScratchKind::kNamed;
    ASSERT_TRUE(files.back()->open(path("f" + std::to_string(i)).c_str(), kind)) << i;
  }
  AtomicFile extra;
  EXPECT_FALSE(extra.open(path("extra").c_str()));
  EXPECT_EQ(extra.error(), EMFILE);
  EXPECT_EQ(entries().size(), static_cast<size_t>(kMaxOpenAtomicFiles / 2));

  ASSERT_TRUE(files[0]->commit());
  files[1]->abort();
  files[2].reset();
  for (int round = 0; round < 3; ++round) {
    AtomicFile again;
    ASSERT_TRUE(again.open(path("extra").c_str())) << round;
    ASSERT_TRUE(again.commit());
  }
  files.clear();
  EXPECT_EQ(entries(), (std::vector<std::string>{"extra", "f0"}));
}

// Runs in a forked child: commits one file, then keeps two named scratch
// files open and growing until a signal ends the process. Exit codes name the step that
// failed; 3 means no signal came.
[[noreturn]] void writeUntilSignalled(const std::string& dir, int readyFd) {
  if (!installTempFileCleanup()) _exit(10);
  AtomicFile done;
  if (!done.open((dir + "/done.dat").c_str()) || !writeAll(done.fd(), "done") || !done.commit()) {
    _exit(11);
  }
  AtomicFile kept;
  AtomicFile fresh;
  if (!kept.open((dir + "/kept.dat").c_str(), ScratchKind::kNamed) ||
      !fresh.open((dir + "/fresh.dat").c_str(), ScratchKind::kNamed)) {
    _exit(12);
  }
  if (!writeAll(kept.fd(), "partial") || !writeAll(readyFd, "r")) _exit(13);
  for (int i = 0; i < 10000; ++i) {
    if (!writeAll(kept.fd(), "x") || !writeAll(fresh.fd(), "y")) _exit(14);
    usleep(1000);
  }
  _exit(3);
}

TEST_F(AtomicFileTest, CatchableSignalLeavesNoScratchFile) {
  for (const int sig : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(sig));
    const std::string sub = path(std::to_string(sig));
    ASSERT_TRUE(fs::create_directory(sub));
    writeText(sub + "/kept.dat", "old");

    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(ready[0]);
      writeUntilSignalled(sub, ready[1]);
    }
    close(ready[1]);
    char byte = 0;
    const ssize_t got = read(ready[0], &byte, 1);
    close(ready[0]);
    if (got != 1) {
      int status = 0;
      waitpid(child, &status, 0);
      FAIL() << "child ended before writing, status " << status;
    }

    // The scratch files exist while the child writes.
    const std::vector<std::string> during = entries(sub);
    EXPECT_EQ(during.size(), 4u);
    EXPECT_EQ(std::count_if(during.begin(), during.end(),
                            [](const std::string& n) { return n.find(".tmp") != n.npos; }),
              2);

    ASSERT_EQ(kill(child, sig), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), sig);
    EXPECT_EQ(entries(sub), (std::vector<std::string>{"done.dat", "kept.dat"}));
    EXPECT_EQ(readText(sub + "/kept.dat"), "old");
    EXPECT_EQ(readText(sub + "/done.dat"), "done");
  }
}

// SIGKILL cannot be caught: what a killed writer leaves is what its files'
// kinds allow. Unnamed scratch files and spools go with the process; a named
// one stays until removeStaleScratchFiles() finds its process gone, and that
// takes nothing else.
TEST_F(AtomicFileTest, KilledWriterLeavesOnlyWhatTheSweepRemoves) {
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(ready[0]);
    AtomicFile unnamed;
    AtomicFile named;
    const int spool = openUnnamedScratchFile(dir);
    if (!unnamed.open(path("a.png").c_str()) ||
        !named.open(path("b.png").c_str(), ScratchKind::kNamed) || spool < 0 ||
        !writeAll(unnamed.fd(), "a") || !writeAll(named.fd(), "b") || !writeAll(spool, "rows") ||
        !writeAll(ready[1], "r")) {
      _exit(1);
    }
    pause();
    _exit(3);
  }
  close(ready[1]);
  char byte = 0;
  const ssize_t got = read(ready[0], &byte, 1);
  close(ready[0]);
  ASSERT_EQ(kill(child, SIGKILL), 0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_EQ(got, 1) << "child ended before writing, status " << status;

  const std::string gone = std::to_string(child);
  const std::string alive = std::to_string(getppid());
  const std::vector<std::string> left = entries();
  ASSERT_EQ(left.size(), 1u) << testing::PrintToString(left);
  EXPECT_EQ(left[0].rfind("b.png." + gone + ".", 0), 0u) << left[0];
  // Look-alikes that stay: no dot before the numbers, a live process's, a
  // folder.
  writeText(path("notes." + gone + ".1.tmp"), "mine");
  writeText(path("c.png." + alive + ".0.tmp"), "live");
  ASSERT_TRUE(fs::create_directory(path("d.png." + gone + ".0.tmp")));
  EXPECT_EQ(removeStaleScratchFiles(dir), 1);
  EXPECT_EQ(entries(),
            (std::vector<std::string>{"c.png." + alive + ".0.tmp", "d.png." + gone + ".0.tmp",
                                      "notes." + gone + ".1.tmp"}));
}

}  // namespace

}  // namespace geoweave::detail
