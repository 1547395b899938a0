#!/usr/bin/env bash
# The Debian package, one step per test:
#   build      cpack -G DEB into SCRATCH (a fresh folder)
#   contents   dpkg-deb -c lists the programs, desktop files and man pages
#   info       dpkg-deb -I: name, version, section, maintainer, and the
#              library dependencies that dpkg-shlibdeps found
#   installed  dpkg -x into a scratch root; the programs run from there and
#              the metainfo's launchable and the entry's icon are in it
#   clean      removes SCRATCH
# usage: deb_test.sh BUILD_DIR SCRATCH VERSION STEP
set -euo pipefail
build_dir=$1 scratch=$2 version=$3 step=$4
deb=$scratch/quantiva_${version}_$(dpkg --print-architecture).deb
id=org.tarnresearch.Quantiva

fail() { echo "FAIL: $*"; status=1; }
status=0

case $step in
  build)
    rm -rf "$scratch" && mkdir -p "$scratch"
    (cd "$build_dir" && cpack -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1) ||
      { cat "$scratch/cpack.log"; exit 1; }
    [ -f "$deb" ] || { ls "$scratch"; echo "no $deb"; exit 1; }
    ;;
  contents)
    listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
    for path in ./usr/bin/quantiva ./usr/bin/quantiva-cli \
        ./usr/share/applications/$id.desktop \
        ./usr/share/icons/hicolor/scalable/apps/$id.svg \
        ./usr/share/metainfo/$id.metainfo.xml \
        ./usr/share/man/man1/quantiva.1.gz ./usr/share/man/man1/quantiva-cli.1.gz \
        ./usr/share/doc/quantiva/copyright; do
      grep -qxF "$path" <<<"$listing" || fail "$path is not in the package"
    done
    # Only what a user needs: no static libraries, tests or benchmarks.
    extra=$(grep -v -e '/$' -e '^./usr/bin/quantiva\(-cli\)\?$' -e '^./usr/share/' <<<"$listing" || true)
    [ -z "$extra" ] || fail "unexpected files: $extra"
    ;;
  info)
    info=$(dpkg-deb -I "$deb")
    field() { sed -n "s/^ $1: //p" <<<"$info"; }
    [ "$(field Package)" = quantiva ] || fail "Package: $(field Package)"
    [ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
    [ "$(field Section)" = math ] || fail "Section: $(field Section)"
    [ -n "$(field Maintainer)" ] || fail "no Maintainer"
    [ -n "$(field Description)" ] || fail "no Description"
    depends=$(field Depends)
    for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6; do
      grep -qE "(^|, )${lib//+/\\+}( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
    done
    ;;
  installed)
    root=$scratch/root
    rm -rf "$root" && dpkg -x "$deb" "$root"
    bin=$root/usr/bin
    [ "$("$bin/quantiva-cli" --version)" = "quantiva-cli $version" ] || fail "quantiva-cli --version"
    [ "$("$bin/quantiva" --version)" = "quantiva $version" ] || fail "quantiva --version"
    # The standard normal at 0: density 1/sqrt(2 pi), CDF one half.
    out=$("$bin/quantiva-cli" normal --at 0) || fail "quantiva-cli normal --at 0 failed"
    grep -qP '^0\.0000\t\t0\.3989\t\t0\.5000$' <<<"$out" || fail "normal at 0: $out"
    share=$root/usr/share
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' \
      "$share/metainfo/$id.metainfo.xml")
    [ -f "$share/applications/$launchable" ] || fail "launchable $launchable is not installed"
    icon=$(sed -n 's/^Icon=//p' "$share/applications/$id.desktop")
    [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "icon $icon is not installed"
    ;;
  clean)
    rm -rf "$scratch"
    ;;
  *)
    echo "unknown step $step" >&2
    exit 2
    ;;
esac
exit $status
