#include "app/ProcessSetup.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <cstdlib>
#include <system_error>

namespace kd {

namespace {
constexpr int kMallocArenas = 2;
}  // namespace

void TuneMemoryAllocator() {
  if (!std::getenv("MALLOC_ARENA_MAX")) mallopt(M_ARENA_MAX, kMallocArenas);
}

std::jthread WarmUpFontConfiguration() {
  try {
    return std::jthread([] { FcInit(); });
  } catch (const std::system_error&) {
    return {};  // no thread to spare: the first text reads it instead
  }
}

}  // namespace kd
