#pragma once
// Texts are stored one byte per character in Windows-1252; inside the
// program they are UTF-8. Every byte value maps to one character and back
// (the five bytes the code page leaves undefined map to the C1 controls).
#include <string>
#include <string_view>

namespace cifra {

std::string DeWindows1252(std::string_view bytes);
// Characters with no byte in the code page become '?'; *perdas counts them.
std::string ParaWindows1252(std::string_view utf8, int* perdas = nullptr);
bool CodificavelEmWindows1252(std::string_view utf8);

}  // namespace cifra
