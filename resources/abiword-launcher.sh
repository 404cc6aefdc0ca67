#!/bin/sh
# The word processor behind Dutywise's templates: the installed AbiWord.
# This folder is left out of the search so that the launcher never starts itself.
here=$(cd "$(dirname "$0")" && pwd)
PATH=$(printf '%s\n' "$PATH" | tr ':' '\n' | grep -vxF "$here" | paste -sd: -)
export PATH
exec abiword "$@"
