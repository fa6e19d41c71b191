# Shared by the scripts in this folder: package installation and the build.
set -euo pipefail

# The same results in every caller's locale, LANG unset (as on a bare Debian),
# C or any other: the tools called here (compiler, sort, awk, xdotool) get one
# fixed locale. C.UTF-8 comes with Debian's C library (libc-bin).
export LC_ALL=C.UTF-8
unset LANGUAGE

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

say() { printf '==> %s\n' "$*"; }

# Installs the Debian packages that are not installed yet; nothing when all are.
need_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    if [ -z "${PIXKOR_APT_UPDATED:-}" ]; then
        say "apt-get update"
        "${sudo[@]}" apt-get update -q
        export PIXKOR_APT_UPDATED=1
    fi
    say "installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

BUILD_PACKAGES=(g++ cmake ninja-build libgtest-dev qt6-base-dev qt6-qpa-plugins libqt6test6 qt6-translations-l10n)

build_pixkor() {
    say "configuring in $BUILD"
    cmake -S "$ROOT" -B "$BUILD" -G Ninja "$@"
    say "building"
    cmake --build "$BUILD" -j "$(nproc)"
}
