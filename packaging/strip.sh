#!/bin/sh
# Strips an installed program as Debian strips its own: the symbols and the compiler's comment
# and note sections, none of which the program needs to run.
exec strip --remove-section=.comment --remove-section=.note "$@"
