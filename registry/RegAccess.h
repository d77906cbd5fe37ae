// RegAccess: the program's one registry object, created on first use and
// kept until the process ends. On Windows it works on the real registry and
// files; natively (for tests of code that uses it) on a registry in memory
// and the files of the host.
#pragma once

#include "registry/clsRegistryAccess.h"

clsRegistryAccess& RegAccess();
