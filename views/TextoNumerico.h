// Whether a number box's whole text is a number of its display format, checked
// before the text is parsed (the parsers themselves accept a leading number).
#pragma once

#include <cstdint>
#include <string>

// Blanks around the text are allowed; format 0 takes up to 8 hexadecimal
// digits (10 for an extended register), the others a decimal number with an
// optional sign (none negative for format 1) and, for 3 and 4, an exponent.
bool EsNumero(const std::string& texto, int16_t formato, bool extendido = false);
