# shellcheck shell=bash
# Sourced by the scripts that run Windows programs under Wine: a fresh Wine prefix (a Windows
# installation of its own) in a folder that the caller removes.
#   new_wine_prefix DIR   creates and starts a 64-bit prefix in DIR, exports WINEPREFIX
#   keep_wine_server      keeps the prefix's server running until end_wine_prefix
#   end_wine_prefix       ends every Wine process of that prefix
new_wine_prefix() {
  export WINEPREFIX=$1 WINEARCH=win64
  # Quiet: Wine's own diagnostics and its note about the missing 32-bit half.
  export WINEDEBUG=-all
  # velmora needs neither .NET nor a web engine: no installer for Mono or Gecko is offered.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  wineserver -w
}

# Between two programs the server ends after a few idle seconds, and a program that starts as it
# ends loses its connection ("recvmsg: Connection reset by peer"): a run of many short programs
# keeps one server for all of them. The prefix's services then live as long as the server; they
# are started here, on no pipe of the caller's, so that no later program's reader (CTest) waits
# for them to close its output.
keep_wine_server() {
  wineserver -p
  wineboot </dev/null >/dev/null 2>&1
}

end_wine_prefix() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
}
