#include "image/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

#include "base/file_io.h"

namespace geoweave::detail {

namespace {

constexpr int kTempNameTries = 100;
constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// A slot's state word holds the owning process id above a three-bit phase.
// The id matters after fork(): a child inherits the parent's table, and its
// handler must not remove files that belong to the parent.
constexpr uint64_t kFree = 0;
constexpr uint64_t kBusy = 1;     // an owner inside open, link or rename, signals blocked
constexpr uint64_t kLive = 2;     // the scratch file exists and is ours
constexpr uint64_t kDoomed = 3;   // the handler has taken it; the process is ending
constexpr uint64_t kUnnamed = 4;  // held by an unnamed scratch file: nothing to remove
constexpr uint64_t kPhaseMask = 7;
constexpr int kPhaseBits = 3;

struct Slot {
  std::atomic<uint64_t> state{kFree};
  char name[PATH_MAX];  // written only while kBusy, read only once kLive
};

// The one piece of process-wide state in Geoweave, and unavoidably so: a signal
// handler receives nothing but the signal number, so the names of the scratch
// files it must remove can only be found in a fixed table like this one.
// Nothing here allocates, so the handler may read it at any moment.
struct ScratchTable {
  Slot slots[kMaxOpenAtomicFiles];
  std::atomic<unsigned long> nextSuffix{0};
  std::atomic<bool> ending{false};  // set by the handler: no new scratch files
};

ScratchTable scratchTable;

static_assert(std::atomic<uint64_t>::is_always_lock_free, "the handler may not take a lock");
static_assert(std::atomic<bool>::is_always_lock_free, "the handler may not take a lock");

uint64_t tagged(pid_t pid, uint64_t phase) {
  return (static_cast<uint64_t>(pid) << kPhaseBits) | phase;
}

// Keeps the cleanup signals away from this thread while a slot is kBusy. The
// handler may then run only on another thread, and it waits for kBusy to end,
// so it never removes a name that open() has not yet made ours and never
// misses one that open() has just made.
class CleanupSignalsBlocked {
 public:
  CleanupSignalsBlocked() {
    sigset_t block;
    sigemptyset(&block);
    for (const int sig : kCleanupSignals) sigaddset(&block, sig);
    pthread_sigmask(SIG_BLOCK, &block, &previous_);
  }
  ~CleanupSignalsBlocked() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  CleanupSignalsBlocked(const CleanupSignalsBlocked&) = delete;
  CleanupSignalsBlocked& operator=(const CleanupSignalsBlocked&) = delete;

 private:
  sigset_t previous_;
};

// The scratch name: the target's name plus a unique suffix, or, when that
// would make the last path component too long, a short hidden name in the
// same directory, so that any name the target may have can be written.
std::string tempNameFor(const char* name, bool shortForm, pid_t pid, unsigned long count) {
  std::string temp;
  if (shortForm) {
    const char* slash = std::strrchr(name, '/');
    if (slash != nullptr) temp.assign(name, static_cast<size_t>(slash - name) + 1);
    temp += ".geoweave";
  } else {
    temp = name;
  }
  temp += '.';
  temp += std::to_string(static_cast<long>(pid));
  temp += '.';
  temp += std::to_string(count);
  temp += ".tmp";
  return temp;
}

// Claims a free slot in the given phase; -1 with errno EMFILE when all are
// taken. The caller has the cleanup signals blocked when phase is kBusy.
int claimSlot(uint64_t phase) {
  for (int i = 0; i < kMaxOpenAtomicFiles; ++i) {
    uint64_t expected = kFree;
    if (scratchTable.slots[i].state.compare_exchange_strong(expected, phase)) return i;
  }
  errno = EMFILE;
  return -1;
}

// Records the name in a slot of ours in phase `from` and makes the file under
// it, all with the cleanup signals blocked: a new file (O_EXCL) when
// unnamedFd is -1, else a link to that unnamed file, which fails as well on
// a name that exists. Returns the descriptor with the slot kLive, or -1 with
// errno set and the slot back in phase `from`.
int createRegistered(const std::string& name, pid_t pid, int slotIndex, uint64_t from,
                     int unnamedFd) {
  if (name.size() >= sizeof(Slot::name)) {
    errno = ENAMETOOLONG;  // the kernel would refuse it as well
    return -1;
  }
  const CleanupSignalsBlocked blocked;
  Slot& slot = scratchTable.slots[slotIndex];
  uint64_t expected = from;
  if (!slot.state.compare_exchange_strong(expected, tagged(pid, kBusy))) {
    errno = EINTR;  // the handler took it: the process is ending
    return -1;
  }
  // Checked after the slot turned busy: a handler that started before has
  // set the flag, one that starts after it will wait for this slot.
  if (scratchTable.ending.load()) {
    slot.state.store(from);
    errno = EINTR;
    return -1;
  }
  std::memcpy(slot.name, name.c_str(), name.size() + 1);
  int fd = -1;
  if (unnamedFd < 0) {
    fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  } else {
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", unnamedFd);
    if (::linkat(AT_FDCWD, self, AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) fd = unnamedFd;
  }
  const int savedErrno = errno;
  slot.state.store(fd >= 0 ? tagged(pid, kLive) : from);
  errno = savedErrno;
  return fd;
}

// Whether a scratch name of ours may be tried again under the next number
// (or in the short form): the name was taken, or was too long.
bool nextName(int err, bool& shortForm) {
  if (err == ENAMETOOLONG && !shortForm) {
    shortForm = true;
    return true;
  }
  return err == EEXIST;
}

std::string directoryOf(const char* name) {
  const char* slash = std::strrchr(name, '/');
  if (slash == nullptr) return ".";
  if (slash == name) return "/";
  return std::string(name, static_cast<size_t>(slash - name));
}

// An unnamed file in dir that can later be linked to a name: the link goes
// through /proc/self/fd, so where that is missing (a chroot without /proc)
// none is made. -1 when there is none to be had.
int openLinkableUnnamed(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  char self[64];
  std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
  struct stat viaProc {};
  struct stat direct {};
  if (::stat(self, &viaProc) != 0 || ::fstat(fd, &direct) != 0 || viaProc.st_ino != direct.st_ino ||
      viaProc.st_dev != direct.st_dev) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Takes a live slot back from the handler's reach for a rename or removal.
// False when the handler has already taken it: the file is gone (or going)
// and the process is ending.
bool reclaim(int slotIndex, pid_t pid) {
  uint64_t expected = tagged(pid, kLive);
  return scratchTable.slots[slotIndex].state.compare_exchange_strong(expected, tagged(pid, kBusy));
}

// Only async-signal-safe calls: atomics, unlink, getpid, sigaction, raise.
void removeScratchFilesAndDie(int sig) {
  const int savedErrno = errno;
  scratchTable.ending.store(true);
  const pid_t self = ::getpid();
  for (Slot& slot : scratchTable.slots) {
    for (;;) {
      uint64_t state = slot.state.load();
      if (state == kFree || static_cast<pid_t>(state >> kPhaseBits) != self) break;
      const uint64_t phase = state & kPhaseMask;
      // kBusy lasts one open() or rename() on a thread that has this signal
      // blocked, so it is another thread and it will finish.
      if (phase == kBusy) continue;
      if (phase != kLive) break;  // doomed already, or unnamed: nothing to remove
      if (slot.state.compare_exchange_strong(state, tagged(self, kDoomed))) {
        ::unlink(slot.name);
        break;
      }
    }
  }
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(sig, &fallback, nullptr);
  // Pending until this handler returns and the signal is unblocked; then the
  // default action ends the process with this signal as its cause.
  raise(sig);
  errno = savedErrno;
}

}  // namespace

AtomicFile::~AtomicFile() {
  abort();
}

bool AtomicFile::open(const char* finalName, ScratchKind kind) {
  if (fd_ >= 0) {
    error_ = EBUSY;
    return false;
  }
  if (finalName == nullptr || *finalName == '\0') {
    error_ = ENOENT;
    return false;
  }
  const pid_t pid = ::getpid();
  // The slot is held from here, named or not, so that no more files than
  // the table holds are ever being written at once.
  int slot = claimSlot(tagged(pid, kUnnamed));
  if (slot < 0) {
    error_ = errno;
    return false;
  }
  if (kind == ScratchKind::kUnnamedWhenPossible) {
    const int fd = openLinkableUnnamed(directoryOf(finalName));
    if (fd >= 0) {
      fd_ = fd;
      slot_ = slot;
      unnamed_ = true;
      finalName_ = finalName;
      tempName_.clear();
      error_ = 0;
      return true;
    }
  }
  // A named scratch file: where unnamed ones cannot be had, and the one
  // whose error a failure reports (the folder missing, say).
  bool shortForm = false;
  error_ = EEXIST;
  for (int attempt = 0; attempt < kTempNameTries; ++attempt) {
    std::string name = tempNameFor(finalName, shortForm, pid, scratchTable.nextSuffix.fetch_add(1));
    const int fd = createRegistered(name, pid, slot, tagged(pid, kUnnamed), -1);
    if (fd >= 0) {
      fd_ = fd;
      slot_ = slot;
      unnamed_ = false;
      finalName_ = finalName;
      tempName_ = std::move(name);
      error_ = 0;
      return true;
    }
    error_ = errno;
    if (!nextName(error_, shortForm)) break;
  }
  scratchTable.slots[slot].state.store(kFree);
  return false;
}

bool AtomicFile::nameUnnamed() {
  const pid_t pid = ::getpid();
  bool shortForm = false;
  error_ = EEXIST;
  for (int attempt = 0; attempt < kTempNameTries; ++attempt) {
    std::string name =
        tempNameFor(finalName_.c_str(), shortForm, pid, scratchTable.nextSuffix.fetch_add(1));
    if (createRegistered(name, pid, slot_, tagged(pid, kUnnamed), fd_) >= 0) {
      tempName_ = std::move(name);
      unnamed_ = false;
      return true;
    }
    error_ = errno;
    if (!nextName(error_, shortForm)) break;
  }
  return false;
}

bool AtomicFile::commit() {
  if (fd_ < 0) {
    error_ = EBADF;
    return false;
  }
  // The unnamed file takes a scratch name only now, and keeps it for no
  // longer than the rename below: the one moment a kill leaves a file
  // behind, for removeStaleScratchFiles().
  if (unnamed_ && !nameUnnamed()) {
    abort();
    return false;
  }
  bool ok = ::close(fd_) == 0;
  if (!ok) error_ = errno;
  fd_ = -1;
  const pid_t pid = ::getpid();
  const CleanupSignalsBlocked blocked;
  if (!reclaim(slot_, pid)) {
    error_ = EINTR;
    return false;
  }
  if (ok && std::rename(tempName_.c_str(), finalName_.c_str()) != 0) {
    error_ = errno;
    ok = false;
  }
  if (!ok) ::unlink(tempName_.c_str());
  scratchTable.slots[slot_].state.store(kFree);
  slot_ = -1;
  return ok;
}

void AtomicFile::abort() {
  if (fd_ < 0) return;
  const int savedErrno = errno;
  ::close(fd_);
  fd_ = -1;
  const pid_t pid = ::getpid();
  if (unnamed_) {
    // Closing was the removal; the slot only counted the file.
    scratchTable.slots[slot_].state.store(kFree);
    unnamed_ = false;
  } else {
    const CleanupSignalsBlocked blocked;
    if (reclaim(slot_, pid)) {
      ::unlink(tempName_.c_str());
      scratchTable.slots[slot_].state.store(kFree);
    }
  }
  slot_ = -1;
  errno = savedErrno;
}

int openUnnamedScratchFile(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) return fd;
  // Where the file system has no unnamed files, the name lives for the
  // moment between the two calls below.
  for (int attempt = 0; attempt < kTempNameTries; ++attempt) {
    const std::string name = tempNameFor((dir + "/.geoweave-spool").c_str(), false, ::getpid(),
                                         scratchTable.nextSuffix.fetch_add(1));
    const int named = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (named >= 0) {
      ::unlink(name.c_str());
      return named;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

namespace {

// The PID of a scratch name NAME.PID.N.tmp with a dot in NAME, else 0.
pid_t scratchPid(const std::string& name) {
  const std::string tail = ".tmp";
  if (name.size() <= tail.size() ||
      name.compare(name.size() - tail.size(), tail.size(), tail) != 0) {
    return 0;
  }
  size_t end = name.size() - tail.size();
  // Two runs of digits, each after a dot, counted from the end.
  long long numbers[2] = {0, 0};
  for (long long& number : numbers) {
    size_t start = end;
    while (start > 0 && name[start - 1] >= '0' && name[start - 1] <= '9') --start;
    if (start == end || end - start > 18 || start == 0 || name[start - 1] != '.') return 0;
    number = std::stoll(name.substr(start, end - start));
    end = start - 1;
  }
  const std::string stem = name.substr(0, end);
  if (stem.find('.') == std::string::npos) return 0;
  const long long pid = numbers[1];
  if (pid <= 0 || pid > INT_MAX) return 0;
  return static_cast<pid_t>(pid);
}

}  // namespace

int removeStaleScratchFiles(const std::string& dir) {
  DIR* folder = ::opendir(dir.c_str());
  if (folder == nullptr) return 0;
  int removed = 0;
  const uid_t self = ::geteuid();
  while (const dirent* entry = ::readdir(folder)) {
    const std::string name = entry->d_name;
    const pid_t pid = scratchPid(name);
    if (pid == 0 || pid == ::getpid()) continue;
    // A process that is gone; one of another user's answers EPERM.
    if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
    const std::string path = dir + "/" + name;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != self) {
      continue;
    }
    if (::unlink(path.c_str()) == 0) ++removed;
  }
  ::closedir(folder);
  return removed;
}

bool ignoreWriteSignals() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  return sigaction(SIGXFSZ, &ignore, nullptr) == 0 && sigaction(SIGPIPE, &ignore, nullptr) == 0;
}

bool installTempFileCleanup() {
  struct sigaction action {};
  action.sa_handler = removeScratchFilesAndDie;
  sigemptyset(&action.sa_mask);
  // A second signal waits until the first one's cleanup on this thread is
  // done.
  for (const int sig : kCleanupSignals) sigaddset(&action.sa_mask, sig);
  bool ok = true;
  for (const int sig : kCleanupSignals) {
    struct sigaction current {};
    if (sigaction(sig, nullptr, &current) != 0) {
      ok = false;
      continue;
    }
    if (current.sa_handler == SIG_IGN) continue;
    if (sigaction(sig, &action, nullptr) != 0) ok = false;
  }
  return ok;
}

bool writeWholeFile(const char* path, const std::string& bytes, std::string* error) {
  AtomicFile file;
  bool ok = file.open(path);
  int reason = ok ? writeFully(file.fd(), bytes.data(), bytes.size()) : file.error();
  ok = reason == 0;
  if (ok && !file.commit()) {
    reason = file.error();
    ok = false;
  }
  if (!ok && error != nullptr) {
    *error = std::string("cannot write ") + path + ": " + std::strerror(reason);
  }
  return ok;
}

}  // namespace geoweave::detail
