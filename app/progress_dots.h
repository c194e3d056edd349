#pragma once

#include <cstdio>

namespace geoweave::detail {

// One line of dots per stage. A stage changes when the stage text is a
// different object (identity, not content); dots are never taken back.
struct ProgressDisplay {
  const char* lastStage = nullptr;
  int dots = 0;
  std::FILE* out = stdout;

  void show(float fraction, const char* stage, std::FILE* stream);
};

// The program's progress callback: user is the run's ProgressDisplay, which
// draws on its own stream.
void showProgress(float fraction, const char* stage, void* user);

// Formats like printf, cut at 511 characters, and sends the text to the
// channel for the closing lines (standard error), never to standard output.
void debugMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text debugMessage would send, without sending it.
int formatDebugMessage(char (&buffer)[512], const char* format, ...)
    __attribute__((format(printf, 2, 3)));

}  // namespace geoweave::detail
