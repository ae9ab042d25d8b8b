#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop menu
# needs: the program, its entry and its icon, and that the entry's command
# starts the program (it must still be running after a few seconds). Then
# what the Debian package carries besides: documents that name this version
# and manual pages made from the program's help in Portuguese.
set -euo pipefail
build=$1
raiz=$(mktemp -d)
trap 'rm -rf "$raiz"' EXIT
cmake --install "$build" --prefix "$raiz/usr" >/dev/null

falha() { echo "FALHA: $*" >&2; exit 1; }
[ -x "$raiz/usr/bin/cifralumina" ] || falha "programa não instalado"
entrada="$raiz/usr/share/applications/cifralumina.desktop"
[ -f "$entrada" ] || falha "entrada do menu não instalada"
grep -qx 'Type=Application' "$entrada" || falha "entrada sem Type=Application"
grep -qx 'Terminal=false' "$entrada" || falha "entrada abriria um terminal"
icone=$(sed -n 's/^Icon=//p' "$entrada")
[ -f "$raiz/usr/share/icons/hicolor/scalable/apps/$icone.svg" ] || falha "ícone $icone ausente"
comando=$(sed -n 's/^Exec=//p' "$entrada")
[ -n "$comando" ] || falha "entrada sem Exec"

export QT_QPA_PLATFORM=offscreen HOME="$raiz" CIFRALUMINA_PASTA="$raiz/dados"
set +e
PATH="$raiz/usr/bin:$PATH" timeout 5 $comando >/dev/null 2>&1
estado=$?
set -e
[ "$estado" -eq 124 ] || falha "o comando do menu terminou com $estado em vez de continuar aberto"
[ -f "$raiz/dados/cifralumina.dat" ] || falha "o programa não criou a pasta de dados"

# A new version needs its changelog entry and its AppStream release; the
# software centres find the program through the menu entry's name.
versao=$("$raiz/usr/bin/cifralumina" --version | sed -n 's/^Cifralumina //p')
[ -n "$versao" ] || falha "--version não diz a versão"
primeira=$(gzip -dc "$raiz/usr/share/doc/cifralumina/changelog.gz" | head -n 1)
[[ "$primeira" == "cifralumina ($versao) "* ]] || falha "o changelog começa por \"$primeira\", não pela versão $versao"
[ -f "$raiz/usr/share/doc/cifralumina/copyright" ] || falha "copyright ausente"
metainfo=("$raiz"/usr/share/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || falha "metainfo ausente"
grep -m1 '<release ' "${metainfo[0]}" | grep -q "version=\"$versao\"" ||
  falha "a última versão do metainfo não é $versao"
lancador=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "${metainfo[0]}")
[ -f "$raiz/usr/share/applications/$lancador" ] || falha "o metainfo aponta para a entrada \"$lancador\", que não existe"

# help2man outside the pt_BR locale would keep its English section names and
# leave the page's own name as a section of its own.
for pagina in cifralumina cifralumina-analise; do
  manual="$raiz/usr/share/man/man1/$pagina.1.gz"
  [ -f "$manual" ] || falha "página de manual $pagina(1) ausente"
  texto=$(gzip -dc "$manual")
  grep -qx '\.SH NOME' <<<"$texto" || falha "$pagina(1) sem a seção NOME"
  grep -qF "${pagina//-/\\-} \\- " <<<"$texto" || falha "$pagina(1) sem o nome de uma linha"
  grep -qx '\.SH OPÇÕES' <<<"$texto" || falha "$pagina(1) sem as opções da ajuda"
  grep -qF '\fB\-\-pasta\fR' <<<"$texto" || falha "$pagina(1) sem a opção --pasta"
done
echo "ok: $comando; documentos e manual da versão $versao"
