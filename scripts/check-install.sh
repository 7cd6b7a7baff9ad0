#!/usr/bin/env bash
# Checks what a host gets from the project: a release build installed into a scratch prefix (no
# path of the build tree in any installed file, every installed header compiling on its own), the
# minimal host of examples/ built against that install from a folder outside the repository with
# CMake and with pkg-config and run, and the Debian packages made by CPack, listed, passed through
# lintian (an error fails) and unpacked, the client running from where it was unpacked.
#   scripts/check-install.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/install-check

bash scripts/install-deps.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "check-install: $*" >&2
    exit 1
}

echo "=== release build, prefix /usr, in $build ==="
# Debian's flags, as a Debian package build uses them: -O2 and the hardening. (At -O3, GCC 12
# warns falsely about overlapping copies in string concatenation.) Without -g: the packages are
# stripped, so the debugging information would only cost build time.
cxxflags=$(dpkg-buildflags --get CXXFLAGS | sed 's/\(^\| \)-g\( \|$\)/ /')
CXXFLAGS="$cxxflags $(dpkg-buildflags --get CPPFLAGS)" \
    LDFLAGS=$(dpkg-buildflags --get LDFLAGS) \
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_INSTALL_PREFIX=/usr -DNUV_BUILD_TESTS=OFF -DNUV_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"

echo "=== install into a scratch prefix ==="
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -type f -o -type l | sort | sed 's/^/  /' | grep -v '/include/')
echo "  ... and $(find "$prefix/include" -name '*.h' | wc -l) headers under include/nuvinfo"
leaks=$(grep -rlF "$root" "$prefix" || true)
[ -z "$leaks" ] || fail "installed files that name the build tree: $leaks"
echo "no installed file names $root"

# Every installed header compiles on its own, so none needs one that was left out.
find "$prefix/include/nuvinfo" -name '*.h' -printf '#include "%P"\n' | sort >"$work/headers.cpp"
g++ -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I "$prefix/include/nuvinfo" "$work/headers.cpp"
echo "every installed header compiles"

echo "=== the minimal host, built against the install ==="
cp -r examples/minimal-host "$work/minimal-host"
cmake -S "$work/minimal-host" -B "$work/host-cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/host-cmake" >/dev/null
expect_lines() {
    local output=$1 who=$2
    shift 2
    for line in "$@"; do
        grep -qF "$line" "$output" || fail "$who printed no line with: $line"
    done
}
host_lines=('#32770 "My Details: Ada"' 'Edit 1179 "Lovelace" [tabstop, limit=20]'
            'Edit 1177 "ada@example.org"' 'closed and unloaded')
"$work/host-cmake/minimal-host" >"$work/host-cmake.out"
expect_lines "$work/host-cmake.out" "the minimal host" "${host_lines[@]}"
head -4 "$work/host-cmake.out"
echo "  ... $(wc -l <"$work/host-cmake.out") lines in all, ending: $(tail -1 "$work/host-cmake.out")"

# The same host with the pkg-config files alone.
export PKG_CONFIG_PATH
PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name nuvinfo-host.pc)")
plugin=$(pkg-config --variable=plugin nuvinfo-host)
[ -f "$plugin" ] || fail "pkg-config names no installed plug-in: $plugin"
# shellcheck disable=SC2046
g++ -std=c++20 -Wall -Wextra -Werror -DNUVINFO_PLUGIN="\"$plugin\"" \
    "$work/minimal-host/main.cpp" "$work/minimal-host/MinimalHost.cpp" \
    $(pkg-config --cflags --libs nuvinfo-host) \
    -Wl,-rpath,"$(pkg-config --variable=libdir nuvinfo-host)" -o "$work/host-pkg-config"
"$work/host-pkg-config" >"$work/host-pkg-config.out"
expect_lines "$work/host-pkg-config.out" "the minimal host built with pkg-config" "${host_lines[@]}"
echo "built with pkg-config, it shows the same window"

echo "=== Debian packages ==="
packages=$work/packages
cpack --config "$build/CPackConfig.cmake" -B "$packages" >/dev/null
debs=("$packages"/*.deb)
# The paths a package holds (and where a link points), one a line.
contents() {
    dpkg-deb -c "$1" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }'
}
for deb in "${debs[@]}"; do
    echo "--- $(basename "$deb")"
    dpkg-deb -f "$deb" Package Version Depends Recommends | sed 's/^/  /'
    contents "$deb" | sed 's/^/  /'
done
shared=$(for deb in "${debs[@]}"; do contents "$deb" | grep -v '/$'; done | sort | uniq -d)
[ -z "$shared" ] || fail "files in more than one package: $shared"
runtime=$(ls "$packages"/libnuvinfo[0-9]*.deb)
development=$(ls "$packages"/libnuvinfo-dev_*.deb)
client=$(ls "$packages"/nuvclient_*.deb)
# (grep reads on to the end: with -q the lister would die of a broken pipe.)
expect_file() {
    contents "$1" | grep -E "$2" >/dev/null || fail "$(basename "$1") has no $2"
}
expect_file "$runtime" '^\./usr/lib/[^/]+/libwinport\.so\.0\.3 -> libwinport\.so\.0\.3\.0$'
expect_file "$runtime" '^\./usr/lib/[^/]+/libnuvhost\.so\.0\.3 -> libnuvhost\.so\.0\.3\.0$'
expect_file "$runtime" '^\./usr/lib/[^/]+/nuvinfo/libnuvinfo\.so$'
expect_file "$development" '^\./usr/include/nuvinfo/module/host/MINUVModule\.h$'
expect_file "$development" '^\./usr/lib/[^/]+/cmake/NUVInfo/NUVInfoConfigVersion\.cmake$'
expect_file "$development" '^\./usr/lib/[^/]+/pkgconfig/nuvinfo-host\.pc$'
expect_file "$client" '^\./usr/bin/nuvclient$'
expect_file "$client" '^\./usr/share/nuvclient/sample\.sql$'
for dependency in libsqlite3-0 libqt6widgets6 iso-codes 'libnuvinfo[0-9.]+ \(= '; do
    dpkg-deb -f "$client" Depends | grep -E "$dependency" >/dev/null ||
        fail "the client's package does not depend on $dependency"
done

echo "=== lintian ==="
# Errors fail; the warnings left are told.
lintian --fail-on error --tag-display-limit 0 "${debs[@]}" | tee "$work/lintian.out"
echo "lintian: $(grep -c '^E:' "$work/lintian.out" || true) errors, $(grep -c '^W:' "$work/lintian.out" || true) warnings"

echo "=== the client, unpacked with its libraries ==="
unpacked=$work/unpacked
dpkg -x "$runtime" "$unpacked"
dpkg -x "$client" "$unpacked"
version=$("$unpacked/usr/bin/nuvclient" --version)
echo "$version"
[ "$version" = "nuvclient $(dpkg-deb -f "$client" Version)" ] || fail "unpacked: $version"
"$unpacked/usr/bin/nuvclient" --data "$work/data" open owner --tab 1 >"$work/unpacked.out"
# The module, the sample data, the busy clip and the client's own tab, all found from where the
# client lies; the countries of the Home page from the iso-codes package.
expect_lines "$work/unpacked.out" "the unpacked client" \
    '#32770 "NUV Global Directory - My Info: Élodie"' '"History" image=34]' \
    'SysAnimate32 1174 "" [clip=busy.avi, frames=12, stopped]' 'Edit 1179 "Mercier"' \
    'ComboBox 1188 "France"'
echo "unpacked, the client shows the owner's window ($(wc -l <"$work/unpacked.out") lines)"
# The Qt view, loaded only to show windows, is found from where the client lies too.
"$unpacked/usr/bin/nuvclient" --data "$work/data" shot owner "$work/unpacked.png"
file "$work/unpacked.png" | grep -q 'PNG image data' || fail "the unpacked client drew no picture"
echo "unpacked, the client draws the owner's window with its Qt view"
