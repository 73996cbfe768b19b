#pragma once
// Windows-1252, the code page of the files the original Windows program
// wrote, to and from the UTF-8 text of the program.

#include <string>
#include <string_view>

namespace tavo {

// UTF-8 text of the Windows-1252 bytes. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
// the same number, as Windows itself converts them.
std::string DaCp1252(std::string_view byte);

// Windows-1252 bytes of the UTF-8 text; a character the code page cannot
// hold is written as '?'.
std::string ACp1252(std::string_view utf8);

}  // namespace tavo
