#!/usr/bin/env bash
# Installs the build under a temporary prefix and imports the module from there, away from
# the build folder: it must load the installed libkalder through its RPATH.
#   python/installed_module_test.sh BUILD-DIR MODULE-DIR-UNDER-PREFIX PYTHON [ARG...]
# (PYTHON ARG... is the command that starts the interpreter.)
set -euo pipefail
build=$1 module_dir=$2
shift 2
prefix=$(mktemp -d /tmp/kalder-python.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
cd /
where=$(env -u LD_LIBRARY_PATH PYTHONPATH="$prefix/$module_dir" "$@" -c \
  'import kalder; p = kalder.Preview(); p.AddTextAt("x"); print(kalder.__file__)')
[[ $where == "$prefix"/* ]] || { echo "imported $where, not the installed module"; exit 1; }
# ldd's list is read whole: grep -q stopping early would make ldd fail on a closed pipe.
libs=$(ldd "$where")
[[ $libs == *"libkalder.so.0 => $prefix/"* ]] ||
  { echo "the module does not find the installed library:"; echo "$libs"; exit 1; }
echo "installed module: ok"
