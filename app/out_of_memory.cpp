#include "app/out_of_memory.h"

#include <cstdio>
#include <cstdlib>
#include <new>

void exitOutOfMemory() {
  std::fflush(stdout);  // what was already shown comes first
  std::fputs("error: out of memory\n", stderr);
  std::exit(2);
}

void* allocateOrExit(size_t bytes) {
  auto* storage = new (std::nothrow) unsigned char[bytes == 0 ? 1 : bytes];
  if (storage == nullptr) exitOutOfMemory();
  return storage;
}
