# Sourced: the environment every Wine run of the project uses.
export TAVI_DEPS_DIR=${TAVI_DEPS_DIR:-$HOME/.cache/tavi-deps}
export WINEPREFIX=${TAVI_WINEPREFIX:-$HOME/.cache/tavi-wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
# Code page 936 (GBK) for narrow text.
export LC_ALL=zh_CN.UTF-8
WINE64=/usr/lib/wine/wine64
WINESERVER64=/usr/lib/wine/wineserver64
