// The clipboard text of memory cells. One cell is its word as 8 hexadecimal
// digits; several cells are a list of 18-character entries "AAAAAAAA-WWWWWWWW"
// each closed by a carriage return, in the order of the cells. Paste puts the
// first entry's word at the target address and keeps the distances of the rest.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ClassMemoria;

namespace portapapeles {

// The text of the cells at these addresses; with cortar each word is
// replaced by 0 right after it is read. A word no region holds counts as 0.
std::string TextoCeldas(ClassMemoria& memoria, const std::vector<int32_t>& direcciones, bool cortar);

// Writes the words of the text from the address destino on; false when the
// text was refused before anything could be written (nothing to redraw).
bool Pegar(ClassMemoria& memoria, const std::string& texto, int32_t destino);

}  // namespace portapapeles
