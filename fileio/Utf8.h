#pragma once
// UTF-8, the text of the program inside: one code point in, one out.

#include <string>
#include <string_view>

namespace tavo {

// Appends the UTF-8 bytes of code point c to `testo`.
void AccodaUtf8(std::string& testo, char32_t c);

// The code point that starts at `pos` in `testo`, and moves `pos` past it.
// A byte that does not begin a valid sequence gives U+FFFD and moves by one,
// so that a damaged text never stops the caller.
char32_t LeggeUtf8(std::string_view testo, std::size_t& pos);

}  // namespace tavo
