#!/bin/sh
# Starts the installed glossamo: the program and its files sit in
# ../lib/glossamo beside this launcher's folder, wherever it was installed.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/glossamo/glossamo" "$@"
