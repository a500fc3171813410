#!/usr/bin/env bash
# Cross-builds a static libcurl for the Windows programs from Debian's curl source
# package, with Schannel for TLS and nothing but HTTP and HTTPS, into
#   CACHE_DIR/<source version>/{include,lib}
# A finished build in CACHE_DIR is kept and reused: the build takes minutes. The
# source comes with `apt-get source`, so a deb-src entry is added when there is none.
#   curl-mingw.sh CACHE_DIR
# The last line on standard output names the folder ("curl-mingw: using DIR" or
# "curl-mingw: built DIR in N s"); progress goes to standard error.
set -euo pipefail

cache=${1:?usage: curl-mingw.sh CACHE_DIR}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
host=x86_64-w64-mingw32

finished() {
    local d
    for d in $(ls -d "$cache"/*/ 2>/dev/null | sort -V -r); do
        if [ -f "$d/lib/libcurl.a" ] && [ -f "$d/done" ]; then
            echo "${d%/}"
            return 0
        fi
    done
    return 1
}

# Two configures at once build it once.
exec 9>"$cache/.lock"
flock 9
if dir=$(finished); then
    echo "curl-mingw: using $dir"
    exit 0
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

has_deb_src() {
    grep -qsE '^[[:space:]]*deb-src[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list &&
        return 0
    grep -qsiE '^Types:.*deb-src' /etc/apt/sources.list.d/*.sources
}

if ! has_deb_src; then
    echo "curl-mingw: adding the deb-src entries of the machine's sources" >&2
    src=/etc/apt/sources.list.d/debian.sources
    [ -f "$src" ] || { echo "curl-mingw: no $src to take the source entries from" >&2; exit 1; }
    sed -E 's/^Types:.*/Types: deb-src/' "$src" |
        "${sudo[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
    "${sudo[@]}" apt-get update -q >/dev/null
elif ! apt-cache showsrc curl 2>/dev/null | grep -q '^Package: curl'; then
    "${sudo[@]}" apt-get update -q >/dev/null
fi
for p in dpkg-dev make; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
        "${sudo[@]}" apt-get install -y -q --no-install-recommends "$p" >/dev/null
done

work=$cache/.work
rm -rf "$work"
mkdir -p "$work"
cd "$work"
echo "curl-mingw: fetching the curl source package" >&2
apt-get source -q curl >source.log 2>&1 || { tail -20 source.log >&2; exit 1; }
srcdir=$(ls -d "$work"/curl-*/ | head -1)
version=$(cd "$srcdir" && dpkg-parsechangelog -S Version)
prefix=$cache/$version
rm -rf "$prefix"

echo "curl-mingw: building curl $version for $host (a few minutes, log in $prefix/build.log)" >&2
mkdir -p "$prefix"
log=$prefix/build.log
start=$(date +%s)
(
    cd "$srcdir"
    # Only HTTP and HTTPS through Schannel; no compression, IDN, SSH, LDAP or other
    # protocols, and Windows threads for the resolver.
    ./configure --host=$host --prefix="$prefix" \
        CC=$host-gcc-posix AR=$host-ar RANLIB=$host-ranlib \
        CPPFLAGS="-D_WIN32_WINNT=0x0601" CFLAGS="-O2" \
        --enable-static --disable-shared --with-schannel \
        --disable-ftp --disable-file --disable-ldap --disable-ldaps --disable-rtsp \
        --disable-dict --disable-telnet --disable-tftp --disable-pop3 --disable-imap \
        --disable-smb --disable-smtp --disable-gopher --disable-mqtt --disable-manual \
        --disable-ntlm-wb --disable-unix-sockets --disable-pthreads --disable-alt-svc \
        --disable-libcurl-option --disable-verbose \
        --without-zlib --without-brotli --without-zstd --without-libssh2 --without-libssh \
        --without-libidn2 --without-winidn --without-nghttp2 --without-nghttp3 \
        --without-ngtcp2 --without-quiche --without-msh3 --without-libpsl \
        --without-librtmp --without-libgsasl --without-ca-bundle --without-ca-path
    make -C lib -j2
    make -C lib install
    make -C include install
) >"$log" 2>&1 || {
    tail -30 "$log" >&2
    echo "curl-mingw: build failed, see $log" >&2
    exit 1
}
echo "$(($(date +%s) - start)) s" >"$prefix/done"
rm -rf "$work"
echo "curl-mingw: built $prefix in $(cat "$prefix/done")"
