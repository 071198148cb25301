// Text read from files that may come from older Windows programs: the program
// keeps UTF-8, and a text that is not well-formed UTF-8 is taken as Windows-1252
// (the 8-bit encoding of Windows editors and assemblers in Western Europe).
#pragma once

#include <string>
#include <string_view>

// The text itself when it is well-formed UTF-8, else its Windows-1252 bytes
// turned into UTF-8.
std::string TextoUtf8(std::string_view s);
