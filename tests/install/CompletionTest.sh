#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: Apache-2.0
# Feeds the bash completion of paginor-cli command lines and reads its replies; every option
# that `paginor-cli --help` documents must be offered. Usage: CompletionTest.sh SCRIPT CLI
set -uo pipefail
script="$1"
cli="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

. /usr/share/bash-completion/bash_completion || fail "bash-completion is not installed"
. "$script" || fail "the completion script does not load"
# Options of the completion itself only take effect inside a real completion.
compopt() { :; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
touch "$work/a.pdf" "$work/b.PDF" "$work/notes.txt"
mkdir "$work/folder"
cd "$work"

# Completes the words given (the last one is being typed) and prints the replies, sorted.
complete_line() {
    COMP_WORDS=(paginor-cli "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _paginor_cli paginor-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//'
}

expect() {
    local want="$1"
    shift
    local got
    got="$(complete_line "$@")"
    [ "$got" = "$want" ] || fail "'$*': expected '$want', got '$got'"
}

expect "merge" me
expect "merge outline split" ""
expect "--help --version" --
expect "--even --every" split --e
expect "keep none" split --bookmarks=
expect "1 2 3 keep none" split --bookmarks ""
expect "keep none per-file" merge --bookmarks=
expect "drop keep" merge --attachments=
expect "a.pdf b.PDF folder" split --odd ""
expect "" split --password ""
expect "" split --range ""

# Every option the program documents is offered by one of its commands.
help="$("$cli" --help)" || fail "paginor-cli --help failed"
offered=" "
for command in "" split merge outline; do
    offered+="$(complete_line $command --) $(complete_line $command --b) "
done
for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
    grep -qE -- " $option(=| )" <<<"$offered" || fail "$option is in --help but not completed"
done
echo "completion test passed"
