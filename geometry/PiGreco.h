#pragma once

namespace tavo {

// Every angle of the program is built from this literal, as the stored
// projects and listings were computed with it.
inline constexpr double PiGreco = 3.14159265358979;

}  // namespace tavo
