#!/bin/sh
# Runs a program with its standard streams as an exit case needs them, where
# the test runner cannot arrange them itself.
#   with.sh full|closed|gone|folder|small|zeros PROGRAM ARGS...
how=$1
shift
case $how in
  full) exec "$@" >/dev/full ;;   # a full disk
  closed) exec "$@" >&- ;;        # standard output closed
  gone)                           # the reader has gone before the first answer
    status=$( { { sleep 1; "$@"; echo $? >&3; } | true; } 3>&1 >&2 )
    exit "$status" ;;
  folder) exec "$@" <. ;;         # a folder as standard input
  small) ulimit -f 1; exec "$@" ;;  # files may grow to one block alone
  zeros) exec "$@" </dev/zero ;;    # one line without end as standard input
  *) echo "with.sh: unknown way \"$how\"" >&2; exit 99 ;;
esac
