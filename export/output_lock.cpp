#include "export/output_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

#include "export/output_files.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

// A lock file is replaced only while some run holds its lock; a taker that
// keeps finding a new one is racing a series of short runs.
constexpr int kTakeTries = 10;

bool folderIdentity(const std::string& dir, unsigned long long* device, unsigned long long* inode) {
  struct stat info {};
  if (::stat(dir.c_str(), &info) != 0) return false;
  *device = info.st_dev;
  *inode = info.st_ino;
  return true;
}

// The process id the holder wrote into the file, as text; empty when it
// wrote none yet.
std::string holderPid(int fd) {
  char text[32] = {};
  const ssize_t got = ::pread(fd, text, sizeof text - 1, 0);
  if (got <= 0) return std::string();
  std::string pid(text, static_cast<size_t>(got));
  while (!pid.empty() && (pid.back() == '\n' || pid.back() == ' ')) pid.pop_back();
  if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) return std::string();
  return pid;
}

}  // namespace

OutputLock::OutputLock(int fd, std::string path, unsigned long long device,
                       unsigned long long inode)
    : fd_(fd), path_(std::move(path)), device_(device), inode_(inode) {}

OutputLock::~OutputLock() {
  // Removed before the lock goes: a run that takes the lock afterwards sees
  // the name gone (or a fresh file under it) and starts again. The name is
  // checked first, as a relative one may lead elsewhere by now.
  struct stat opened {};
  struct stat named {};
  if (::fstat(fd_, &opened) == 0 && ::stat(path_.c_str(), &named) == 0 &&
      opened.st_ino == named.st_ino && opened.st_dev == named.st_dev) {
    ::unlink(path_.c_str());
  }
  ::close(fd_);
}

bool OutputLock::holds(const std::string& dir) const {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  return folderIdentity(dir, &device, &inode) && device == device_ && inode == inode_;
}

bool OutputLock::take(const std::string& dir, const char* const* subfolders,
                      std::unique_ptr<OutputLock>* lock, std::string* error) {
  lock->reset();
  unsigned long long device = 0;
  unsigned long long inode = 0;
  if (!folderIdentity(dir, &device, &inode)) return true;
  const std::string path = pathIn(dir, kLockFileName);
  for (int attempt = 0; attempt < kTakeTries; ++attempt) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return true;  // nothing can be guarded here
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int reason = errno;
      const std::string pid = reason == EWOULDBLOCK ? holderPid(fd) : std::string();
      ::close(fd);
      if (reason != EWOULDBLOCK) return true;  // no flock() on this file system
      *error =
          dir + " is being written by another run (pid " + (pid.empty() ? "unknown" : pid) + ")";
      return false;
    }
    // The holder before may have removed the file between this open and
    // the lock: then the lock is on a file nobody else will look at.
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) != 0 || ::stat(path.c_str(), &named) != 0 ||
        opened.st_ino != named.st_ino || opened.st_dev != named.st_dev) {
      ::close(fd);
      continue;
    }
    // The lock holds even where the id cannot be written; only a refused
    // run's message then lacks it.
    const std::string pid = std::to_string(static_cast<long>(::getpid())) + "\n";
    if (::ftruncate(fd, 0) == 0) {
      const ssize_t written = ::pwrite(fd, pid.data(), pid.size(), 0);
      static_cast<void>(written);
    }
    lock->reset(new OutputLock(fd, path, device, inode));
    removeStaleScratchFiles(dir);
    for (const char* const* sub = subfolders; sub != nullptr && *sub != nullptr; ++sub) {
      removeStaleScratchFiles(pathIn(dir, *sub));
    }
    return true;
  }
  *error = dir + " is being written by another run (pid unknown)";
  return false;
}

}  // namespace geoweave::detail
