// The shortcut class: writes link files through the system's shell link
// object. Created by the server's class factory.
#pragma once

#include "toolkit/Win.h"

namespace qxshell {

// A new object of the class answering `iid` in *object, or the failure.
HRESULT CreateShellLinkObject(REFIID iid, void** object);

}  // namespace qxshell
