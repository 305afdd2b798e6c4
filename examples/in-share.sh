#!/bin/sh
# in-share.sh '\\server\share\folder' COMMAND [ARGUMENT...]
# Runs COMMAND inside the folder through the mount of its share.
unc=$1
shift
folder=$(tarnwick "$unc") || { echo "no mount reaches $unc" >&2; exit 1; }
cd "$folder" && exec "$@"
