#pragma once
// How two numbers get along: the harmony classes of the compatibility
// report and of the name harmonisation, decided by one table of the three
// classic groups (mental 1-5-7, creative 3-6-9, practical 2-4-8).
#include <string_view>

namespace cifra {

// Best first: the harmonisation sorts by this order.
enum class Harmonia { Natural = 1, Complementar = 2, Desafiadora = 3 };

// "Natural", "Complementar", "Desafiadora".
std::string_view NomeDaHarmonia(Harmonia harmonia);

// The group of a number, reduced for the rule only (11 → 2, 22 → 4, 89 → 8):
// 0 mental (1 5 7), 1 creative (3 6 9), 2 practical (2 4 8); 0 has none (-1).
int GrupoDoNumero(int numero);

// Same group: Natural. A creative number with a mental or a practical one:
// Complementar (the expression of the 3-6-9 gives form to ideas and warmth
// to structure). Mental with practical: Desafiadora (freedom and change
// against order and security). A number without a group (0) is
// Desafiadora with any other: there is nothing to build on.
Harmonia HarmoniaEntre(int a, int b);

}  // namespace cifra
