#include "image/atomic_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

namespace geoweave::detail {

namespace {

constexpr int kTempNameTries = 100;
constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// A slot's state word holds the owning process id above a two-bit phase. The
// id matters after fork(): a child inherits the parent's table, and its
// handler must not remove files that belong to the parent.
constexpr uint64_t kFree = 0;
constexpr uint64_t kBusy = 1;    // an owner inside open or rename, signals blocked
constexpr uint64_t kLive = 2;    // the scratch file exists and is ours
constexpr uint64_t kDoomed = 3;  // the handler has taken it; the process is ending
constexpr uint64_t kPhaseMask = 3;

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
  return (static_cast<uint64_t>(pid) << 2) | phase;
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

// Claims a slot, records the name and creates the file, all with the cleanup
// signals blocked. Returns the descriptor and sets slotIndex, or -1 with errno
// set.
int createRegistered(const std::string& name, pid_t pid, int& slotIndex) {
  if (name.size() >= sizeof(Slot::name)) {
    errno = ENAMETOOLONG;  // the kernel would refuse it as well
    return -1;
  }
  const CleanupSignalsBlocked blocked;
  const uint64_t busy = tagged(pid, kBusy);
  Slot* slot = nullptr;
  for (int i = 0; i < kMaxOpenAtomicFiles && slot == nullptr; ++i) {
    uint64_t expected = kFree;
    if (scratchTable.slots[i].state.compare_exchange_strong(expected, busy)) {
      slot = &scratchTable.slots[i];
      slotIndex = i;
    }
  }
  if (slot == nullptr) {
    errno = EMFILE;
    return -1;
  }
  // Checked after claiming: a handler that started before the claim has set
  // the flag, one that starts after it will wait for this slot.
  if (scratchTable.ending.load()) {
    slot->state.store(kFree);
    errno = EINTR;
    return -1;
  }
  std::memcpy(slot->name, name.c_str(), name.size() + 1);
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  const int openErrno = errno;
  slot->state.store(fd >= 0 ? tagged(pid, kLive) : kFree);
  errno = openErrno;
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
      if (state == kFree || static_cast<pid_t>(state >> 2) != self) break;
      const uint64_t phase = state & kPhaseMask;
      // kBusy lasts one open() or rename() on a thread that has this signal
      // blocked, so it is another thread and it will finish.
      if (phase == kBusy) continue;
      if (phase != kLive) break;
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

bool AtomicFile::open(const char* finalName) {
  if (fd_ >= 0) {
    error_ = EBUSY;
    return false;
  }
  if (finalName == nullptr || *finalName == '\0') {
    error_ = ENOENT;
    return false;
  }
  const pid_t pid = ::getpid();
  bool shortForm = false;
  error_ = EEXIST;
  for (int attempt = 0; attempt < kTempNameTries; ++attempt) {
    std::string name = tempNameFor(finalName, shortForm, pid, scratchTable.nextSuffix.fetch_add(1));
    int slot = -1;
    const int fd = createRegistered(name, pid, slot);
    if (fd >= 0) {
      fd_ = fd;
      slot_ = slot;
      finalName_ = finalName;
      tempName_ = std::move(name);
      error_ = 0;
      return true;
    }
    error_ = errno;
    if (errno == ENAMETOOLONG && !shortForm) {
      shortForm = true;
      continue;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

bool AtomicFile::commit() {
  if (fd_ < 0) {
    error_ = EBADF;
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
  {
    const CleanupSignalsBlocked blocked;
    if (reclaim(slot_, pid)) {
      ::unlink(tempName_.c_str());
      scratchTable.slots[slot_].state.store(kFree);
    }
  }
  slot_ = -1;
  errno = savedErrno;
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
  const char* data = bytes.data();
  size_t left = bytes.size();
  int reason = ok ? 0 : file.error();
  while (ok && left > 0) {
    const ssize_t done = ::write(file.fd(), data, left);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      reason = done == 0 ? EIO : errno;
      ok = false;
      break;
    }
    data += done;
    left -= static_cast<size_t>(done);
  }
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
