#pragma once

#include <memory>
#include <string>

namespace geoweave::detail {

// The name of the lock file in an output folder.
inline constexpr char kLockFileName[] = ".geoweave.lock";

// Holds the lock on an output folder: an exclusive flock() on DIR/.geoweave.lock,
// which holds the holder's process id as text. The lock goes with the
// object, and so does the file (removed while still locked, so that a run
// waiting to take it finds it gone and makes a fresh one); a process that is
// killed leaves the file but not the lock. Not copyable.
class OutputLock {
 public:
  OutputLock(const OutputLock&) = delete;
  OutputLock& operator=(const OutputLock&) = delete;
  ~OutputLock();

  // Whether this holds the lock of the folder dir (the same folder, under
  // whatever name).
  bool holds(const std::string& dir) const;

  // Takes the lock of folder dir (which must exist) without waiting. On
  // success *lock holds it, or stays null where no lock can be had at all
  // (a folder this user cannot create files in, a file system without
  // flock()): the writing then goes on unguarded and its own failures tell.
  // False when another holder has it, with *error "DIR is being written by
  // another run (pid N)" ("(pid unknown)" when its file held none yet).
  // Removes the stale scratch files of dead processes in dir and in each of
  // subfolders (names inside dir) once it holds the lock.
  static bool take(const std::string& dir, const char* const* subfolders,
                   std::unique_ptr<OutputLock>* lock, std::string* error);

 private:
  OutputLock(int fd, std::string path, unsigned long long device, unsigned long long inode);

  int fd_;
  std::string path_;
  unsigned long long device_;  // of the folder
  unsigned long long inode_;
};

}  // namespace geoweave::detail
