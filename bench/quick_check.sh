#!/usr/bin/env bash
# Keeps the benchmark building and running: a small export of every mix and kind, checked for its
# shape (statement count and form, well-formed XML with one element per row). Never timed.
# Usage: quick_check.sh BENCH_BINARY
set -euo pipefail
bench=$1
rows=300
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for mix in mixA all15 one; do
    report=$("$bench" "$mix" sql "$rows" "$work/$mix.sql")
    grep -q "^rows $rows bytes [0-9]* seconds .* peak_rss_mib [0-9.]*$" <<<"$report" ||
        fail "unexpected report: $report"
    statements=$(grep -c $'^INSERT `mytable` (.*) VALUES(.*); \r$' "$work/$mix.sql")
    [ "$statements" -eq "$rows" ] || fail "$mix: $statements statements instead of $rows"

    "$bench" "$mix" xml "$rows" "$work/$mix.xml" >/dev/null
    xmllint --noout "$work/$mix.xml" || fail "$mix: the XML document is not well-formed"
    elements=$(xmllint --xpath 'count(/mytable/line)' "$work/$mix.xml")
    [ "$elements" -eq "$rows" ] || fail "$mix: $elements line elements instead of $rows"
done

report=$("$bench" mixA sql "$rows" clipboard)
grep -q "^rows $rows bytes [1-9][0-9]* " <<<"$report" || fail "clipboard export: $report"
"$bench" window | grep -qE '^window_shown_since_process_start_s [0-9.]+ add_254_rows_s [0-9.]+ flush_255_rows_s [0-9.]+$' ||
    fail "window benchmark"
"$bench" wordlist 1000 | grep -qE '^words 1000 bytes 20000 read_s [0-9.]+ lookup_ns [0-9.]+ found 1000000000$' ||
    fail "word-list benchmark"
"$bench" usernames | grep -qE '^username_ns_first_1000 [0-9.]+ username_ns_next_1000000 [0-9.]+ last' ||
    fail "username benchmark"
echo "benchmark quick check passed"
