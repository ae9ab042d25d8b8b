#pragma once
// How the operator reaches the maker: one set of addresses for the footer's
// default line, the about box and the manual, so they never disagree.
#include <string_view>

namespace cifra {

// As printed on the pages: short, without the scheme.
inline constexpr std::string_view kSiteDoFabricante = "www.cifralumina.com.br";
// The maker's page about the commercial product (the about box's link).
inline constexpr std::string_view kPaginaDoProduto = "https://www.cifralumina.com.br/comercial/";
// The support page; its query names the product.
inline constexpr std::string_view kPaginaDeSuporte =
    "https://www.cifralumina.com.br/suporte/?produto=cifralumina";
inline constexpr std::string_view kEmailDeSuporte = "suporte@cifralumina.com.br";
// The support mail starts with this subject and body.
inline constexpr std::string_view kAssuntoDoSuporte = "Suporte Cifralumina 2007";
inline constexpr std::string_view kCorpoDoSuporte = "Digite aqui suas dúvidas e/ou sugestões!";

}  // namespace cifra
