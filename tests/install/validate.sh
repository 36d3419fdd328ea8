#!/usr/bin/env bash
# Runs a validator on a file and fails on any error or warning it reports; skips when the
# validator is not installed.  usage: validate.sh TOOL [ARG...] FILE
tool=$1
command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
output=$("$@" 2>&1)
status=$?
[ -n "$output" ] && echo "$output"
[ $status -eq 0 ] || exit 1
# desktop-file-validate prints hints and warnings without failing; appstreamcli marks them W: or E:.
if echo "$output" | grep -Eq '^(W|E): |: (warning|error): '; then exit 1; fi
exit 0
