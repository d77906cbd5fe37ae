// The in-process server's own state: the module it was loaded as and the
// count of what keeps it loaded (live objects and server locks).
#pragma once

#include "toolkit/Win.h"

namespace qxshell {

HMODULE ServerModule();

// Every object the server hands out counts while it lives.
void ObjectCreated();
void ObjectDestroyed();

}  // namespace qxshell
