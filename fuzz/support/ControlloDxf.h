#pragma once
// What any DXF file of the program must be, whatever it draws: lines ended
// by CR LF, in pairs of an integer group code (right-aligned in three
// characters) and a value; one ENTITIES section closed by EOF; every number
// finite, coordinates and sizes as plain decimal numbers, colours and flags
// as integers, and no text that shows a non-finite number; vertices only
// inside a polyline, and every polyline closed by SEQEND. The user's own
// text (the title, as the file writes it) may say anything.

#include <string>
#include <string_view>

namespace tavo::fuzz {

// The first fault of the file, in words; empty when it has none.
std::string DifettoDxf(std::string_view byte, std::string_view testoUtente = {});

}  // namespace tavo::fuzz
