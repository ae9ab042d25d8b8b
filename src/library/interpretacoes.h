#pragma once
// Interpretation files (one text per number), the descriptions "CDATA.DAT"
// and the titles "Header.DAT".
#include <string>
#include <string_view>

#include "catalogo.h"
#include "pasta_dados.h"
#include "registros_de_texto.h"

namespace cifra {


// Record that holds the text of a number: with master numbers on, 11 is
// record 10 and 22 record 11; with them off 11 and 22 read the texts of 2
// and 4. "CDATA.DAT" is addressed by record directly.
int RegistroDoNumero(int numero, std::string_view arquivo, bool numerosMagicos);

// The text for a number, trimmed of blanks at both ends (line breaks stay,
// as CR LF whatever the file holds).
// A missing file is created empty; a record before 1 or past the end is "".
std::string LeInterpretacao(const PastaDeDados& pasta, int numero, std::string_view arquivo,
                            bool numerosMagicos);

// Reads record n of any text file of the library (record size by file kind).
// With padraoAlemDoFim, a record past the end of the operator's file (one a
// newer program added to its defaults) is read from the program's own copy.
std::string LerRegistroDeTexto(const PastaDeDados& pasta, std::string_view arquivo, int registro,
                               bool padraoAlemDoFim = false);
// Writes record n: line breaks become CR LF, the text is cut to the record
// and padded with blanks. The editor's text box saves through here.
void GravarRegistroDeTexto(const PastaDeDados& pasta, std::string_view arquivo, int registro,
                           std::string_view texto);

// The title of every topic, record t of "Header.DAT" for topic t.
using TitulosDosTopicos = PorTopico<std::string>;
TitulosDosTopicos LerTitulos(const PastaDeDados& pasta);

}  // namespace cifra
