#include "toolkit/Host.h"

namespace tk {
namespace {
Host* current = nullptr;
}

Host& host() { return current ? *current : DefaultHost(); }

void SetHost(Host* h) { current = h; }

}  // namespace tk
