#!/usr/bin/env bash
# Cross-builds the third-party libraries for both targets into a cache outside
# the tree (default ~/.cache/tavi-deps). Later runs reuse what is there.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
deps=${TAVI_DEPS_DIR:-$HOME/.cache/tavi-deps}
jsoncpp_ver=1.9.5-4
zlib_ver=1:1.2.13.dfsg-1
gtest_ver=1.12.1-0.2
# pugixml is only for the parser benchmark (64-bit test build).
pugixml_ver=1.13-0.2
stamp="jsoncpp=$jsoncpp_ver zlib=$zlib_ver googletest=$gtest_ver pugixml=$pugixml_ver v3"

if [ -f "$deps/.stamp" ] && [ "$(cat "$deps/.stamp")" = "$stamp" ]; then
  exit 0
fi

installed=$(dpkg-query -W -f='${Version}' googletest)
if [ "$installed" != "$gtest_ver" ]; then
  echo "googletest $installed installed, $gtest_ver expected" >&2
  exit 1
fi

rm -rf "$deps"
mkdir -p "$deps/src"
cd "$deps/src"
apt-get source -qq --download-only "libjsoncpp=$jsoncpp_ver" >/dev/null 2>&1
apt-get source -qq --download-only "zlib=$zlib_ver" >/dev/null 2>&1
apt-get source -qq --download-only "pugixml=$pugixml_ver" >/dev/null 2>&1
dpkg-source -x --skip-patches libjsoncpp_*.dsc jsoncpp >/dev/null 2>&1
dpkg-source -x --skip-patches zlib_*.dsc zlib >/dev/null 2>&1
dpkg-source -x --skip-patches pugixml_*.dsc pugixml >/dev/null 2>&1

for triple in i686-w64-mingw32 x86_64-w64-mingw32; do
  prefix="$deps/$triple"
  toolchain="$here/cmake/toolchains/$triple.cmake"
  common=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain"
          -DTAVI_DEPS_DIR="$deps" -DCMAKE_INSTALL_PREFIX="$prefix")

  cmake -S jsoncpp -B "build-jsoncpp-$triple" "${common[@]}" \
    -DJSONCPP_WITH_TESTS=OFF -DJSONCPP_WITH_POST_BUILD_UNITTEST=OFF \
    -DJSONCPP_WITH_PKGCONFIG_SUPPORT=OFF -DJSONCPP_WITH_CMAKE_PACKAGE=ON \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_STATIC_LIBS=ON -DBUILD_OBJECT_LIBS=OFF >/dev/null
  cmake --build "build-jsoncpp-$triple" --target install >/dev/null

  cmake -S /usr/src/googletest -B "build-gtest-$triple" "${common[@]}" \
    -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "build-gtest-$triple" --target install >/dev/null

  # minizip is not built by zlib's own build: compile its reader and writer.
  mz="zlib/contrib/minizip"
  out="build-minizip-$triple"
  mkdir -p "$out" "$prefix/include/minizip" "$prefix/lib"
  for f in unzip ioapi iowin32 zip; do
    "$triple-gcc-posix" -O2 -c "$mz/$f.c" -o "$out/$f.o" -DNOCRYPT -I"$mz"
  done
  "$triple-ar" rcs "$prefix/lib/libminizip.a" "$out"/*.o
  cp "$mz"/{unzip.h,ioapi.h,iowin32.h,zip.h} "$prefix/include/minizip/"
done

prefix="$deps/x86_64-w64-mingw32"
mkdir -p build-pugixml "$prefix/include/pugixml"
x86_64-w64-mingw32-g++-posix -O2 -c pugixml/src/pugixml.cpp -o build-pugixml/pugixml.o
x86_64-w64-mingw32-ar rcs "$prefix/lib/libpugixml.a" build-pugixml/pugixml.o
cp pugixml/src/pugixml.hpp pugixml/src/pugiconfig.hpp "$prefix/include/pugixml/"

echo "$stamp" > "$deps/.stamp"
