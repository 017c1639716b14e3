# Sourced by the -best corpus scripts: installs the Debian packages the
# corpus comes from, builds best_measure and names the directory for the
# prepared texts.
#
#   best_corpus_setup PACKAGE...   sets build (the build directory) and
#                                  corpus (the texts' directory)
#
# BEST_BUILD_DIR names another build directory (default build/best);
# BEST_CORPUS_DIR keeps the prepared texts there instead of in a temporary
# directory that is removed on exit.

best_corpus_setup() {
    local missing=() package
    for package in "$@"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get install -y "${missing[@]}" >/dev/null
    fi

    build=${BEST_BUILD_DIR:-build/best}
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    cmake --build "$build" -j2 --target best_measure >/dev/null

    if [ -n "${BEST_CORPUS_DIR:-}" ]; then
        corpus=$BEST_CORPUS_DIR
        mkdir -p "$corpus"
    else
        corpus=$(mktemp -d)
        trap 'rm -rf "$corpus"' EXIT
    fi
}
