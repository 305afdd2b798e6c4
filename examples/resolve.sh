#!/bin/sh
# resolve.sh '\\server\share\folder'
# Prints the folder through the mount of its share, or the UNC path itself
# when nothing mounts it. Status: 0 through a mount, 1 the UNC path as given,
# 9 not a UNC path. Quote the path for the shell: it keeps its backslashes.
unc=$1
folder=$(tarnwick "$unc")
status=$?
case $status in
  0) printf '%s\n' "$folder" ;;
  1) printf '%s\n' "$unc" ;;
  *) printf 'not a UNC path: %s\n' "$unc" >&2 ;;
esac
exit "$status"
