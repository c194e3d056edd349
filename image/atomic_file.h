#pragma once

#include <string>

namespace geoweave::detail {

// How many files one process may be writing at the same moment. Each open file
// holds a slot in the process-wide table the signal handler reads (see
// atomic_file.cpp); an open beyond this many fails with EMFILE rather than
// write a file that an interrupted run could leave behind.
inline constexpr int kMaxOpenAtomicFiles = 32;

// Which kind of scratch file AtomicFile::open makes.
enum class ScratchKind {
  // A file without a name (O_TMPFILE) that takes its scratch name only for
  // the moment of commit(): a process killed while writing, even by
  // SIGKILL, leaves nothing behind. Where the file system has no such
  // files, a named one, as kNamed.
  kUnnamedWhenPossible,
  // A named scratch file from the start, as file systems without unnamed
  // files get; for the tests of that path.
  kNamed,
};

// A file that appears under its final name complete or not at all. The bytes go
// to a fresh scratch file beside the target (same directory, so the final
// rename cannot cross file systems); commit() renames it into place, anything
// else removes it. A scratch name is only ever created with O_EXCL (or a link
// that fails on an existing name), so the removal can never take a file that
// somebody else made.
class AtomicFile {
 public:
  AtomicFile() = default;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  // An uncommitted file is aborted: its scratch copy goes, the target stays.
  ~AtomicFile();

  // Creates the scratch file for finalName (mode 0666 less the umask). A
  // named one is called finalName plus ".PID.N.tmp", or, where that makes the
  // last path component too long, a short hidden ".geoweave.PID.N.tmp" in
  // the same directory (removeStaleScratchFiles() knows both). False, with
  // error() set to an errno value, when no scratch file could be made or this
  // object already has one open.
  bool open(const char* finalName, ScratchKind kind = ScratchKind::kUnnamedWhenPossible);

  // The scratch file's descriptor while open, else -1: open for reading and
  // writing (a writer may read back what it wrote). Use it freely; do not
  // close it.
  int fd() const { return fd_; }

  // The scratch file's path while it has one: from open() for a named
  // scratch file, never for an unnamed one (it is named only inside
  // commit()).
  const std::string& tempName() const { return tempName_; }

  // Closes the scratch file and renames it to the final name, replacing what
  // stood there. On any failure (close, rename, nothing open) the scratch file
  // is removed, the final name is untouched, error() is set and false comes
  // back. The data is not forced to disk first: that guards against a machine
  // crash, not against a partial file, and would cost every frame of a run.
  bool commit();

  // Closes and removes the scratch file; a no-op when nothing is open. Leaves
  // errno as it found it, so a caller can still report what went wrong.
  void abort();

  // The errno value of the last failed open() or commit(); 0 before any.
  int error() const { return error_; }

 private:
  // Gives the unnamed scratch file its scratch name.
  bool nameUnnamed();

  int fd_ = -1;
  int slot_ = -1;
  int error_ = 0;
  bool unnamed_ = false;
  std::string finalName_;
  std::string tempName_;
};

// A scratch file in directory dir that never has a name (O_TMPFILE; where the
// file system has none, one made with O_EXCL and unlinked at once), open for
// reading and writing: it goes when the descriptor is closed, however the
// process ends. The descriptor (close-on-exec), or -1 with errno set.
int openUnnamedScratchFile(const std::string& dir);

// Removes the scratch files that processes now gone left in directory dir:
// regular files of this user named like AtomicFile's scratch names,
// NAME.PID.N.tmp with a dot in NAME, whose process PID no longer exists. Such
// a file is left by a process killed while it renamed its scratch file into
// place, or one on a file system without unnamed files. Others' files, and
// those of processes still running, stay. For callers that hold the folder
// (see geoweave/export.h's lock), as a process whose PID is in another PID
// namespace looks gone. Returns how many files were removed; a folder that
// cannot be read removes none.
int removeStaleScratchFiles(const std::string& dir);

// Writes bytes as the whole content of path through an AtomicFile: the file
// appears complete or not at all. On failure false comes back and *error
// (when not null) names the file and the reason.
bool writeWholeFile(const char* path, const std::string& bytes, std::string* error);

// Sets SIGXFSZ and SIGPIPE to be ignored, so that a write past the file-size
// limit (ulimit -f) fails with EFBIG and one into a pipe nobody reads with
// EPIPE: the writers then name the file and the reason, and leave no scratch
// file, where the signals' default action would end the process at once.
// For programs' main() to call once; the library never changes signals
// itself. False if either could not be set.
bool ignoreWriteSignals();

// Installs, for SIGINT, SIGTERM, SIGHUP and SIGQUIT, a handler that removes
// every scratch file this process has open, restores the signal's default
// action and raises it again, so the process still ends the way the signal
// says. For programs' main() to call once, before any file is written; the
// library never installs it itself. A signal that is ignored when this runs
// stays ignored (as under nohup); any other handler of these four is
// replaced. False if a handler could not be installed.
bool installTempFileCleanup();

}  // namespace geoweave::detail
