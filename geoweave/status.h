#pragma once

namespace geoweave {

// How a call ended. Every call that can fail returns one and, when given a
// non-null std::string* error, a one-line message in it ("cannot ...: why");
// no call lets an exception out, running out of memory included.
enum class Status {
  kOk,
  // A setting lies outside its limits (the error text names it).
  kInvalidSettings,
  // The grid for this width and zoom has more points than can be indexed or
  // than the process's memory can hold.
  kGridTooLarge,
  // Storage for the planet's tables, an image or a file's contents could not
  // be had.
  kOutOfMemory,
  // The call needs a generated planet, or a size, face or range it was given
  // is not usable.
  kUnusable,
  // A file or folder could not be written (the error text names it and the
  // reason); nothing half-written is left under a file's name.
  kWriteFailed,
};

}  // namespace geoweave
