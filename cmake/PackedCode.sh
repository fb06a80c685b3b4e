#!/bin/sh
# Runs each tool the compiler starts for the Windows build (gcc -wrapper). Before the assembler,
# it marks every function's section in the compiler's output as needing no alignment of its own
# ("x0"), then runs the tool as it was asked.
# Why: the assembler gives each section 4-byte alignment unless told otherwise and pads its size
# to that, so that every function, one per section, ended in 0 to 3 bytes of padding. x86 runs
# code at any address. Where alignment matters the compiler says so within the section and the
# assembler keeps it: member functions, whose addresses mark a virtual one with their lowest
# bit, get 2 bytes (".align 2"), and so would any table placed in the code.
# Only where a section is opened first: a digit given again would set the alignment back to it
# (the compiler comes back to a function's section, for its exception tables for one).
# The compiler hands the assembler a file (the build does not compile with -pipe).
case $1 in
  *-as | */as)
    for arg do
      case $arg in
        *.s)
          awk '/^\t\.section\t\.text[^,]*,"x"$/ && !opened[$0]++ { sub(/"x"$/, "\"x0\"") }
               { print }' "$arg" >"$arg.packed" && mv "$arg.packed" "$arg" || exit ;;
      esac
    done ;;
esac
exec "$@"
