#pragma once
// What both programs (the command line and the windows) do as they start,
// before anything else: route Qt's own messages, and find the data folder
// named among their words.
#include <optional>
#include <string>
#include <vector>

namespace cifra {

// Qt's own lines are in English and meant for developers: with verboso they
// reach standard error, otherwise our Portuguese messages say what went
// wrong. A fatal one is always told (in Portuguese when it is a missing
// display) and ends the program with status 1.
void EncaminhaMensagensDoQt(bool verboso);

// The value of "--pasta DIR" among the program's words, nothing when there
// is none (or it has no value).
std::optional<std::string> PastaDosArgumentos(const std::vector<std::string>& argumentos);

}  // namespace cifra
