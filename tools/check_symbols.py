#!/usr/bin/env python3
"""Fails when a static library defines a global symbol outside the geoweave
namespace, so a program linking it cannot clash with names of its own.

Usage: check_symbols.py LIBRARY.a

Standard-library instantiations (std::, __gnu_cxx::), the placement forms of
operator new and delete that the standard headers define inline, and the
compiler's own helpers are allowed. So are nlohmann_json's instantiations
when weak: that header-only library puts everything in a namespace named
after its version and ABI, so a program's own copies of the same version are
the same code and merge with ours, and other versions have other names.
Everything else must be geoweave::..."""
import re
import subprocess
import sys

# A mangled name's outermost scope: after _Z, an optional special-name prefix
# (typeinfo, vtable, guard variable, thread-local wrapper), an optional local
# entity marker, then a nested name (N, cv-qualifiers, first component) or an
# unqualified one.
SPECIAL = re.compile(r"^_Z(?:T[IVST]|GV|TH|TW)?Z?")
# St is std::, Sa Sb Ss Si So Sd its abbreviated allocator and stream names.
ALLOWED_SCOPES = ("8geoweave", "St", "Sa", "Sb", "Ss", "Si", "So", "Sd", "9__gnu_cxx")
ALLOWED_PLAIN = {"_ZnwmPv", "_ZnamPv", "_ZdlPvS_", "_ZdaPvS_", "DW.ref.__gxx_personality_v0"}
# nlohmann::json_abi..._vX_Y_Z::, the namespace every name of it lies in.
NLOHMANN = re.compile(r"^8nlohmann\d+json_abi")
WEAK = set("WVu")  # weak functions, weak objects, GNU unique objects


def outside(symbol, kind="T"):
    if symbol in ALLOWED_PLAIN:
        return False
    # The compiler's reference to the type a catch clause matches is as good
    # as the type's own name.
    if symbol.startswith("DW.ref._Z"):
        return outside(symbol[len("DW.ref."):], kind)
    if not symbol.startswith("_Z"):
        return True  # a C name: always global
    rest = SPECIAL.sub("", symbol, count=1)
    if rest.startswith("N"):
        rest = re.sub(r"^N[rVKOR]*", "", rest)
    if kind in WEAK and NLOHMANN.match(rest):
        return False
    return not rest.startswith(ALLOWED_SCOPES)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    listing = subprocess.run(["nm", "--defined-only", "--extern-only", sys.argv[1]],
                             check=True, capture_output=True, text=True).stdout
    bad = []
    for line in listing.splitlines():
        fields = line.split()
        if len(fields) == 3 and outside(fields[2], fields[1]):
            bad.append(fields[2])
    for symbol in sorted(set(bad)):
        demangled = subprocess.run(["c++filt", symbol], capture_output=True, text=True).stdout
        print(f"global symbol outside namespace geoweave: {demangled.strip()}", file=sys.stderr)
    if bad:
        sys.exit(f"symbol check failed: {len(set(bad))} global names in {sys.argv[1]}")
    print(f"symbol check: every global name in {sys.argv[1]} is geoweave:: or std::")


if __name__ == "__main__":
    main()
