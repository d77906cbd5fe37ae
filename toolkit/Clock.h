// The classic runtime's Timer. Windows only.
#pragma once

namespace tk {

// Seconds since local midnight, with the milliseconds as a fraction, from
// the system's local time; a single-precision number in [0, 86400).
float Timer();

}  // namespace tk
