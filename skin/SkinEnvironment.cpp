#include "skin/SkinEnvironment.h"

#include "util/AppPaths.h"

namespace kd {

SkinLoadEnvironment SkinLoadEnvironment::forProgram() {
  SkinLoadEnvironment env;
  env.programFolders = ProgramFolders();
  return env;
}

}  // namespace kd
