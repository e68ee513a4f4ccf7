#!/usr/bin/env bash
# Proves that the Debian package is sound and installs and runs on a fresh Debian 12: lintian reports no
# error and no warning, desktop-file-validate and appstreamcli accept its entry and metadata; in a chroot of an untouched
# `debootstrap --variant=minbase bookworm` tree it installs the package with apt, checks the desktop
# entry and the icon, starts the program as an ordinary user from another folder, photographs its
# window into docs/deb-fresh-debian.png, stops it by SIGTERM, starts it again and closes it by its close
# mark, and removes the package.
#
# Usage (as root): scripts/deb_fresh_check.sh path/to/tessarin_1.0.0_amd64.deb
#   DEB_FRESH_MIRROR=URL       the Debian mirror (default: the first one in /etc/apt/sources.list*)
#   DEB_FRESH_CACHE=DIR        where the fresh tree is kept as a tarball (default /var/tmp/tessarin-fresh)
#   DEB_FRESH_REBUILD=1        bootstraps the tree again instead of using the tarball
#   DEB_FRESH_KEEP=1           leaves the chroot in place after the run, for a look inside
#   DEB_FRESH_NO_RECOMMENDS=1  installs the package with --no-install-recommends, as lean systems do
#
# The program runs in the chroot with nothing but the package and what its dependencies pulled in:
# the X server (Xvfb) runs outside, and the chroot sees only its socket, so tools installed for the
# check cannot hide a missing dependency. The tools a desktop has (desktop-file-utils,
# gtk-update-icon-cache) are installed in the chroot afterwards, the way a desktop would have them.
# Exits 0 only when every step held.
# dpkg-query formats are meant literally.
# shellcheck disable=SC2016
set -euo pipefail

deb=${1:-}
if [[ -z $deb || ! -f $deb ]]; then
    echo "usage: $0 path/to/tessarin_<version>_amd64.deb" >&2
    exit 2
fi
if ((EUID != 0)); then
    echo "$0: needs root (debootstrap, chroot, mounts)" >&2
    exit 2
fi
deb=$(realpath "$deb")
repo=$(cd "$(dirname "$0")/.." && pwd)
package=$(dpkg-deb -f "$deb" Package)
app_id=org.tessarin.tessarin
main_title='Tessarin 수치 계산기'
suite=bookworm
cache_dir=${DEB_FRESH_CACHE:-/var/tmp/tessarin-fresh}
tarball=$cache_dir/$suite-minbase-$(dpkg --print-architecture).tar
export LC_ALL=C.UTF-8
install_options=
[[ -n ${DEB_FRESH_NO_RECOMMENDS:-} ]] && install_options=--no-install-recommends

# Every mount made below lives in a private mount namespace, so none can outlive the run, even if
# it is killed; the trap still unmounts in order before the tree is deleted.
if [[ -z ${DEB_FRESH_INNER:-} ]]; then
    exec unshare --mount --propagation private env DEB_FRESH_INNER=1 "$0" "$@"
fi

step() { printf '\n== %s\n' "$*"; }
ok() { printf '   ok: %s\n' "$*"; }
fail() {
    printf '   FAILED: %s\n' "$*" >&2
    exit 1
}
need_host_tool() { # tool package
    command -v "$1" >/dev/null || apt-get install -y -q "$2" >/dev/null
}

# The first URI in this machine's apt sources whose path ends in the given archive name.
uri_from_host() { # archive
    local sources=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
    local existing=()
    local file
    for file in "${sources[@]}"; do [[ -f $file ]] && existing+=("$file"); done
    ((${#existing[@]})) || return 0
    grep -h -o -E "(URIs:|^deb) +https?://[^ ]+/$1/?( |\$)" "${existing[@]}" | head -n1 | awk '{print $2}' |
        sed 's:/$::' || true
}
mirror=${DEB_FRESH_MIRROR:-$(uri_from_host debian)}
[[ -n $mirror ]] || fail "no Debian mirror found in /etc/apt/sources.list*; set DEB_FRESH_MIRROR"

need_host_tool debootstrap debootstrap
need_host_tool Xvfb xvfb
need_host_tool xwininfo x11-utils
need_host_tool import imagemagick
need_host_tool xdotool xdotool
need_host_tool lintian lintian
need_host_tool appstreamcli appstream
need_host_tool desktop-file-validate desktop-file-utils

step "Debian's checks of the package itself"
# lintian runs as an ordinary user where one exists (it warns when run as root); nothing it reports
# may be an error or a warning. Information and pedantic notes are printed, not failed on.
lintian_log=$(mktemp)
lintian_cmd=(lintian --fail-on error,warning "$deb")
if id nobody >/dev/null 2>&1; then
    chmod a+r "$deb"
    lintian_cmd=(setpriv --reuid=nobody --regid=nogroup --init-groups env HOME=/tmp "${lintian_cmd[@]}")
fi
if ! "${lintian_cmd[@]}" >"$lintian_log" 2>&1; then
    cat "$lintian_log"
    fail "lintian reports errors or warnings"
fi
sed 's/^/   /' "$lintian_log"
ok "lintian: no error and no warning"
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"
zcat "$unpacked/usr/share/man/man1/tessarin.1.gz" >/dev/null || fail "no manual page"
rm -rf "$unpacked" "$lintian_log"
ok "desktop-file-validate and appstreamcli validate accept the entry and the metadata"

step "Fresh $suite tree (mirror $mirror)"
mkdir -p "$cache_dir"
if [[ -n ${DEB_FRESH_REBUILD:-} || ! -s $tarball ]]; then
    bootstrap=$(mktemp -d "$cache_dir/bootstrap.XXXXXX")
    debootstrap --variant=minbase "$suite" "$bootstrap" "$mirror" >"$cache_dir/debootstrap.log" 2>&1 ||
        fail "debootstrap failed, see $cache_dir/debootstrap.log"
    tar --numeric-owner -C "$bootstrap" -cpf "$tarball.part" .
    mv "$tarball.part" "$tarball"
    rm -rf --one-file-system "$bootstrap"
    ok "bootstrapped and cached in $tarball"
else
    ok "using the cached tree $tarball ($(date -r "$tarball" '+%F %R'))"
fi

root=$(mktemp -d /var/tmp/tessarin-fresh-root.XXXXXX)
xvfb_pid=
cleanup() {
    local status=$?
    set +e
    # Only processes started inside this chroot: their root directory is the tree.
    local proc
    for proc in /proc/[0-9]*; do
        [[ $(readlink "$proc/root" 2>/dev/null) == "$root" ]] && kill -KILL "${proc#/proc/}" 2>/dev/null
    done
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    local mount_point
    for mount_point in $(findmnt -rn -o TARGET | grep -F "$root" | sort -r); do
        umount -l "$mount_point"
    done
    if findmnt -rn -o TARGET | grep -qF "$root"; then
        echo "   still mounted under $root; leaving it" >&2
    elif [[ -n ${DEB_FRESH_KEEP:-} ]]; then
        echo "   kept the tree in $root"
    else
        rm -rf --one-file-system "$root"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

tar --numeric-owner -C "$root" -xpf "$tarball"
chmod 755 "$root" # mktemp made it private; a system's / is not
ok "untouched copy in $root: Debian $(cat "$root/etc/debian_version")"

# What a fresh Debian 12 install has in its sources: the release, its updates and security.
security=$(uri_from_host debian-security)
{
    echo "deb $mirror $suite main"
    echo "deb $mirror $suite-updates main"
    if [[ -n $security ]]; then echo "deb $security $suite-security main"; fi
} >"$root/etc/apt/sources.list"
# The mirror here may serve a fixed snapshot whose Release files are past their Valid-Until date.
grep -h -E 'Check-(Valid-Until|Date)' /etc/apt/apt.conf.d/* >"$root/etc/apt/apt.conf.d/99fresh-check-mirror" || true
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"; }

step "apt-get update && apt-get install -y ${install_options:+$install_options }./$(basename "$deb")"
before=$(in_root dpkg-query -W -f '${Package}\n' | sort)
cp "$deb" "$root/tmp/"
chmod 644 "$root/tmp/$(basename "$deb")"
in_root apt-get update -q >"$root/tmp/apt-update.log" 2>&1 || { cat "$root/tmp/apt-update.log"; fail "apt-get update"; }
install_log=$root/tmp/apt-install.log
install_package() {
    in_root sh -c "cd /tmp && apt-get install -y -q $install_options ./$(basename "$deb")" >"$install_log" 2>&1 ||
        { cat "$install_log"; fail "apt-get install"; }
}
install_package
added=$(comm -13 <(echo "$before") <(in_root dpkg-query -W -f '${Package}\n' | sort))
ok "installed with $(($(wc -l <<<"$added") - 1)) dependencies pulled in"
echo "   Depends: $(in_root dpkg-query -W -f '${Depends}' "$package")"
[[ $(in_root dpkg-query -W -f '${db:Status-Status}' "$package") == installed ]] || fail "$package is not installed"
fonts=$(in_root sh -c 'ls /usr/share/fonts/*/*/*' 2>/dev/null | grep -i -E 'nanum|cjk' || true)
[[ -n $fonts ]] || fail "no Korean font was pulled in"
ok "Korean font: $(head -n1 <<<"$fonts")"
in_root dpkg -L "$package" | sort >"$root/tmp/package-files"

step "Menu entry /usr/share/applications/$app_id.desktop"
desktop=$root/usr/share/applications/$app_id.desktop
[[ -f $desktop ]] || fail "no desktop entry"
entry() { sed -n "s/^$1=//p" "$desktop" | head -n1; }
hangul='[\x{AC00}-\x{D7A3}]' # a Hangul syllable
for key in Name 'Name\[ko\]' Comment 'Comment\[ko\]'; do
    value=$(entry "$key")
    grep -qP "$hangul" <<<"$value" || fail "${key//\\/} is not Korean: '$value'"
    ok "${key//\\/}=$value"
done
exec_name=$(entry Exec | awk '{print $1}')
user_path=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
executable=$(in_root env PATH=$user_path sh -c "command -v $exec_name") || fail "Exec=$exec_name is not on PATH"
in_root test -x "$(in_root readlink -f "$executable")" || fail "$executable does not resolve to an executable"
ok "Exec=$exec_name -> $executable -> $(in_root readlink -f "$executable")"

step "Everything the program loads resolves (before any tool for the check is installed)"
program=$(in_root readlink -f "$executable")
plugins=$(in_root sh -c 'ls -d /usr/lib/*/qt6/plugins' | head -n1)
[[ -n $plugins ]] || fail "no Qt 6 plugin folder"
for library in "$program" "$plugins/platforms/libqxcb.so" "$plugins/imageformats/libqgif.so" \
    "$plugins/imageformats/libqjpeg.so"; do
    in_root test -f "$library" || fail "$library is not installed"
    missing=$(in_root ldd "$library" | grep 'not found' || true)
    [[ -z $missing ]] || fail "$library: $missing"
done
ok "the program, the X11 platform plugin and the GIF and JPEG readers: every library found"

step "Icon"
icon=$(entry Icon)
[[ $icon != */* ]] || fail "Icon=$icon is a path, not a theme name"
png_size() { # width x height from the PNG header
    local bytes
    bytes=$(od -A n -t u1 -j 16 -N 8 "$1" | tr -s ' ' ' ')
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
    echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}
sizes=()
for file in "$root"/usr/share/icons/hicolor/*/apps/"$icon".png; do
    [[ -f $file ]] || continue
    dir_size=$(basename "$(dirname "$(dirname "$file")")")
    [[ $(head -c 8 "$file" | od -A n -t x1 | tr -d ' ') == 89504e470d0a1a0a ]] || fail "$file is not a PNG"
    [[ $(png_size "$file") == "$dir_size" ]] || fail "$file is $(png_size "$file"), not $dir_size"
    sizes+=("$dir_size")
done
((${#sizes[@]} >= 3)) || fail "Icon=$icon found in ${#sizes[@]} hicolor sizes"
[[ " ${sizes[*]} " == *" 48x48 "* ]] || fail "no 48x48 icon, the size the hicolor theme must have"
ok "Icon=$icon in hicolor: ${sizes[*]} (each a PNG of its folder's size)"
index=$root/usr/share/icons/hicolor/index.theme
[[ -f $index ]] || fail "the hicolor theme itself (index.theme) is not installed"
for size in "${sizes[@]}"; do
    grep -q "^Directories=.*$size/apps" "$index" || fail "hicolor's index.theme has no $size/apps"
done
ok "every size is a folder of hicolor's index.theme"

step "It starts: as an ordinary user, from another folder, on an X server"
in_root useradd --create-home --shell /bin/sh player
in_root su player -c 'mkdir -p ~/elsewhere'
display_file=$(mktemp)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $display_file ]] && break; sleep 0.1; done
display=$(tr -d '\n' <"$display_file")
rm -f "$display_file"
[[ -n $display ]] || fail "Xvfb did not start"
# The chroot sees this one socket and nothing else of the host's X.
mkdir -p "$root/tmp/.X11-unix"
chmod 1777 "$root/tmp/.X11-unix"
touch "$root/tmp/.X11-unix/X$display"
mount --bind "/tmp/.X11-unix/X$display" "$root/tmp/.X11-unix/X$display"
ok "Xvfb on :$display"

# Starts the program as the user from ~/elsewhere and waits for its main window (at most 30 s).
start_program() { # name of the run, for its output files
    in_root su player -c "cd ~/elsewhere && export DISPLAY=:$display XDG_RUNTIME_DIR=/tmp/runtime-player LANG=C.UTF-8 &&
        mkdir -p -m 700 \$XDG_RUNTIME_DIR && exec $exec_name" >"$root/tmp/$1.out" 2>"$root/tmp/$1.err" &
    program_pid=$!
    window=
    for _ in $(seq 300); do
        window=$(xwininfo -display ":$display" -root -tree 2>/dev/null | grep -F "\"$main_title\": (\"tessarin\"" |
            head -n1 || true)
        [[ -n $window ]] && break
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    [[ -n $window ]] || { cat "$root/tmp/$1.err" >&2; fail "no window \"$main_title\" appeared"; }
    window_id=$(awk '{print $1}' <<<"$window")
    ok "window:$(sed 's/  */ /g' <<<"$window")"
    sleep 3 # the first frame and the first indicator tick, which reads pictures
}
# Waits up to 10 s for the program to end and checks how it ended and what it said.
program_ended() { # name of the run, the exit statuses that are clean
    local name=$1
    shift
    for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$program_pid" 2>/dev/null && fail "still running 10 s later"
    set +e
    wait "$program_pid"
    local status=$?
    set -e
    [[ " $* " == *" $status "* ]] || { cat "$root/tmp/$name.err" >&2; fail "ended with status $status"; }
    ok "ended with status $status"
    # The program warns once per picture it cannot read.
    if grep -qi -E '그림 파일을 읽을 수 없습니다|could not read' "$root/tmp/$name.err"; then
        grep -i -E '그림 파일을 읽을 수 없습니다|could not read' "$root/tmp/$name.err" >&2
        fail "pictures were not found"
    fi
    grep -qi -E 'could not (find|load|connect)|plugin|fatal|abort' "$root/tmp/$name.err" &&
        { cat "$root/tmp/$name.err" >&2; fail "Qt complained on stderr"; }
    ok "every picture was read; stderr: $(wc -l <"$root/tmp/$name.err") lines"
    sed 's/^/   | /' "$root/tmp/$name.err"
}

start_program first
shot=$repo/docs/deb-fresh-debian.png
# Into docs/ only when every step held; a failed run's picture stays under /var/tmp for a look.
taken=$(mktemp /var/tmp/tessarin-fresh-screen.XXXXXX.png)
# The window alone, as a person sees it (there is no window manager to frame it).
import -display ":$display" -window "$window_id" "$taken"
ok "window photographed ($taken)"
# The program itself, found by its root directory and name: su stays in between as its parent.
real_pid=
for proc in /proc/[0-9]*; do
    [[ $(readlink "$proc/root" 2>/dev/null) == "$root" && $(cat "$proc/comm" 2>/dev/null) == tessarin ]] &&
        real_pid=${proc#/proc/}
done
[[ -n $real_pid ]] || fail "the program is no longer running"
kill -TERM "$real_pid"
ok "sent SIGTERM"
program_ended first 0 143 # su reports the signal as 128 + 15

step "It starts again and closes by its own close mark"
start_program second
# Label9, the close mark in the window's top right corner: twips 13680,120 and 375 square, at
# 15 twips a pixel.
DISPLAY=:$display xdotool mousemove --window "$window_id" $(((13680 + 375 / 2) / 15)) $(((120 + 375 / 2) / 15)) click 1
ok "clicked the close mark"
program_ended second 0
leftovers=$(in_root su player -c 'ls -A ~/elsewhere')
[[ -z $leftovers ]] || fail "wrote into the folder it was started from: $leftovers"
ok "wrote nothing into the folder it was started from"

step "What a desktop adds: desktop-file-utils and the icon cache"
in_root apt-get install -y -q --no-install-recommends desktop-file-utils gtk-update-icon-cache \
    >"$root/tmp/apt-tools.log" 2>&1 || { cat "$root/tmp/apt-tools.log"; fail "installing the desktop's tools"; }
in_root desktop-file-validate "/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
ok "desktop-file-validate accepts the entry"
icon_cache=$root/usr/share/icons/hicolor/icon-theme.cache
in_icon_cache() { [[ -f $icon_cache ]] && grep -qaF "$icon" "$icon_cache"; }
# A desktop has its hicolor cache already; whether installing the tool builds one depends on the order
# apt unpacks things in, so it is built here, and the triggers are checked below by removing and
# installing the package again.
in_root gtk-update-icon-cache -q -f /usr/share/icons/hicolor || fail "gtk-update-icon-cache"
in_icon_cache || fail "$icon is not in hicolor's icon cache"
ok "$icon is in hicolor's icon cache"

remove_package() {
    in_root apt-get remove -y -q "$package" >"$root/tmp/apt-remove.log" 2>&1 ||
        { cat "$root/tmp/apt-remove.log"; fail "apt-get remove"; }
    local left=() path state
    while read -r path; do
        [[ -z $path || $path == /. ]] && continue
        [[ -e $root$path || -L $root$path ]] || continue
        # A folder that another package also owns stays, and rightly.
        [[ -d $root$path && ! -L $root$path ]] && in_root dpkg-query -S "$path" >/dev/null 2>&1 && continue
        left+=("$path")
    done <"$root/tmp/package-files"
    ((${#left[@]} == 0)) || fail "left behind: ${left[*]}"
    state=$(in_root dpkg-query -W -f '${db:Status-Status}' "$package" 2>/dev/null || echo not-installed)
    [[ $state == not-installed ]] || fail "$package is still known to dpkg as '$state'"
    ok "no file of the package is left ($(wc -l <"$root/tmp/package-files") paths checked), dpkg: $state"
    ! in_icon_cache || fail "$icon is still in hicolor's icon cache"
    ok "the icon cache's trigger took $icon out again"
}

step "apt-get remove -y $package"
remove_package

step "Installed again where the desktop's tools already are: the triggers update the menu and the icon cache"
install_package
grep -E "^Processing triggers for (desktop-file-utils|gtk-update-icon-cache|hicolor-icon-theme)" "$install_log" |
    sed 's/^/   | /'
in_icon_cache || fail "installing did not put $icon into hicolor's icon cache"
ok "$icon is in hicolor's icon cache, put there by the trigger"

step "apt-get remove -y $package, once more"
remove_package

chmod 644 "$taken"
mv "$taken" "$shot"
step "All held; the window is in ${shot#"$repo"/}"
