# SPDX-License-Identifier: MIT
# Sourced by the scripts: a fresh Wine prefix of our own for the Windows module's runs, made with
# `wineboot -i` and removed on exit, so that no earlier run's registry or files take part.
start_wine_prefix() {
  WINEPREFIX=$(mktemp -d /tmp/lunvale-wine.XXXXXX)
  export WINEPREFIX
  export WINEDEBUG=${WINEDEBUG:--all}
  # Wine offers to download its .NET and HTML engines into a new prefix; the module needs neither.
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  local start=$SECONDS
  wineboot -i >/dev/null 2>&1 || { echo "wineboot -i failed in $WINEPREFIX" >&2; return 1; }
  wineserver -w
  echo "wine: prefix $WINEPREFIX ready in $((SECONDS - start)) s"
}

stop_wine_prefix() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}

# Whether 32-bit Windows programs can run: Debian's wine32 (i386) must be installed beside wine64.
wine32_available() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'
}
