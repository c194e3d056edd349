#include "app/out_of_memory.h"

#include <cstdio>
#include <cstdlib>

namespace geoweave::detail {

void exitOutOfMemory() {
  std::fflush(stdout);  // what was already shown comes first
  std::fputs("error: out of memory\n", stderr);
  std::exit(2);
}

}  // namespace geoweave::detail
