# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Sourced by the Windows build scripts.

# debian_source PACKAGE VERSION FOLDER: unpacks Debian's source of the
# package at that version into FOLDER, through a private apt list of
# deb-src entries made from the machine's own binary entries (nothing under
# /etc/apt changes), and prints the source tree's path.
debian_source() {
    local package=$1 version=$2 work=$3 list
    mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/apt/cache/archives/partial"
    for list in /etc/apt/sources.list.d/*.sources; do
        [ -f "$list" ] && sed 's/^Types:.*/Types: deb-src/' "$list" >"$work/apt/parts/$(basename "$list")"
    done
    : >"$work/apt/sources.list"
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$list" >>"$work/apt/sources.list"
    done
    local apt=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=$work/apt/parts"
               -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
               -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
    apt-get "${apt[@]}" update -qq >&2
    (cd "$work" && apt-get "${apt[@]}" source -qq "$package=$version" >/dev/null)
    local tree
    tree=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "$package-*" | head -1)
    [ -n "$tree" ] || { echo "apt-get source $package gave no source tree" >&2; return 1; }
    echo "$tree"
}
