#!/usr/bin/env python3
"""Checks that includes point down the layers and that CMake links match them.

Usage: check_layers.py [ROOT]   (ROOT defaults to the repository)

Each folder named in RANKS is a layer; a file in it may include its own
folder and lower ranks only. tests/ and bench/ sit beside the programs: they may use every
library layer but not app/ or cli/ (whose own unit tests live beside them).
testing/ holds the test-only helpers, which any *_test.cpp may include.
examples/consumer and the installed public headers see only public headers.
Then every layer's targets must link (transitively) each layer it includes,
and each geoweave link a folder declares must be used by its includes.
Everything else is read from the files and CMakeLists.txt on disk.
"""
import os
import re
import sys

# Bottom to top; names in one string share a rank and never include each other.
RANKS = ["base", "grid", "world", "terrain", "climate", "generation", "image", "render",
         "geoweave", "export", "app cli tests bench testing"]
RANK = {layer: i for i, names in enumerate(RANKS) for layer in names.split()}
CONSUMER = "examples/consumer"
COMBINED = {"geoweave", "Geoweave::geoweave"}  # the one library of all core layers
SOURCE_EXTS = (".h", ".hh", ".hpp", ".hxx", ".inl", ".ipp", ".tpp", ".c", ".cc", ".cpp", ".cxx")
# Any spacing before and after '#', either delimiter.
INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*([<"])([^>"\n]+)[>"]', re.M)
LINK_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "LINK_PUBLIC", "LINK_PRIVATE",
                 "LINK_INTERFACE_LIBRARIES"}

offences = []
os.chdir(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))


def sources(folder):
    for path, dirs, names in os.walk(folder):
        dirs.sort()
        for name in sorted(names):
            if name.endswith(SOURCE_EXTS):
                yield os.path.join(path, name)


def includes(path):
    """(line, text, repo-relative target) for each #include of a file."""
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    for m in INCLUDE.finditer(text):
        delim, name = m.groups()
        target = os.path.normpath(name)
        if delim == '"':  # quoted names are looked up beside the file first
            local = os.path.normpath(os.path.join(os.path.dirname(path), name))
            if name.startswith(".") or os.path.exists(local):
                target = local
        line = text.count("\n", 0, m.start()) + 1
        yield line, m.group(0).strip(), target


def top(target):
    return target.split(os.sep)[0]


def cmake_commands(path):
    """(command, arguments) of a CMake file; calls may span lines."""
    if not os.path.exists(path):
        return
    with open(path, encoding="utf-8") as f:
        text = f.read()
    # Drop comments, but not a '#' inside a quoted argument.
    text = re.sub(r'"(?:\\.|[^"\\])*"|#[^\n]*',
                  lambda m: m.group(0) if m.group(0).startswith('"') else "", text)
    for m in re.finditer(r'\b(\w+)[ \t]*\(((?:"(?:\\.|[^"\\])*"|\([^()]*\)|[^()"])*)\)', text):
        yield m.group(1).lower(), m.group(2).split()


def keyword(args, key):
    """The values after KEY in geoweave_layer(NAME SOURCES ... DEPENDS ...)."""
    values, current = [], None
    for arg in args:
        if arg in ("SOURCES", "DEPENDS"):
            current = arg
        elif current == key:
            values.append(arg)
    return values


def offend(where, why):
    offences.append(f"{where}: {why}")


# --- includes point down ---------------------------------------------------
folders = [f for f in RANK if os.path.isdir(f)]
included = {f: {} for f in folders}  # layer -> lower layer -> {file: (line, include)}
for folder in folders:
    for path in sources(folder):
        for line, text, target in includes(path):
            to = top(target)
            if to not in RANK or to == folder:
                continue
            # Any unit test may use the test-only helpers.
            test_helper = to == "testing" and path.endswith("_test.cpp")
            if RANK[to] >= RANK[folder] and not test_helper:
                offend(f"{path}:{line}", f"{text}: {to} is not below {folder}")
            else:
                included[folder].setdefault(to, {}).setdefault(path, (line, text))

# --- what a program built against the install sees --------------------------
public = None
for command, args in cmake_commands("geoweave/CMakeLists.txt"):
    if command == "set" and args[:1] == ["GEOWEAVE_PUBLIC_HEADERS"] and public is None:
        public = {os.path.join("geoweave", a) for a in args[1:] if not a.startswith("$")}
outside = list(sources(CONSUMER)) if os.path.isdir(CONSUMER) else []
for path in outside + sorted(public or []):
    if not os.path.exists(path):
        continue
    for line, text, target in includes(path):
        installed = target in public if public is not None else top(target) == "geoweave"
        if top(target) in RANK and not installed:
            offend(f"{path}:{line}", f"{text}: only the installed geoweave/ headers are public")

# --- CMake links match the includes -----------------------------------------
core = set()  # the layers the combined library is made of
for command, args in cmake_commands("CMakeLists.txt"):
    if command == "set" and args[:1] == ["GEOWEAVE_LAYERS"]:
        core = set(args[1:])

owner, links, foreign = {}, {}, {f: set() for f in folders}
for folder in folders:
    cmake = os.path.join(folder, "CMakeLists.txt")
    for command, args in cmake_commands(cmake):
        if not args:
            continue
        name, rest = args[0], args[1:]
        if command == "geoweave_layer":
            name = "geoweave_" + name
            owner[name] = folder
            links.setdefault(name, []).extend("geoweave_" + d for d in keyword(rest, "DEPENDS"))
        elif command in ("add_library", "add_executable") and "ALIAS" not in rest:
            owner[name] = folder
        elif command == "target_link_libraries":
            links.setdefault(name, []).extend(a for a in rest if a not in LINK_KEYWORDS)
        elif command == "target_sources" and owner.get(name) != folder:
            # Sources handed to another folder's target, such as the unit tests.
            foreign[folder].update(os.path.normpath(os.path.join(folder, a)) for a in rest)


def provides(item):
    """The layers a link item brings in."""
    if item in COMBINED:
        return core
    return {owner[item]} if item in owner else set()


def closure(start, edges):
    seen, todo = set(), list(start)
    while todo:
        layer = todo.pop()
        if layer not in seen:
            seen.add(layer)
            todo.extend(edges(layer))
    return seen


def declared(folder):
    return [(t, item) for t, o in owner.items() if o == folder for item in links.get(t, [])]


def linked(folder):
    return {p for _, item in declared(folder) for p in provides(item)} - {folder}


def uses(folder):
    """Layers whose includes count for the folder's own targets (not its unit tests)."""
    return {to for to, files in included.get(folder, {}).items()
            if any(f not in foreign[folder] for f in files)}


for folder in folders:
    cmake = os.path.join(folder, "CMakeLists.txt")
    reach = closure(linked(folder), linked)
    for to in sorted(uses(folder) - reach):
        path, (line, text) = next((f, v) for f, v in included[folder][to].items()
                                  if f not in foreign[folder])
        offend(cmake, f"{folder} includes {to} ({path}:{line}: {text}) "
                      f"but does not link it, directly or through its links")
    used = closure(uses(folder), uses)
    for target, item in declared(folder):
        layers = provides(item) - {folder}
        if layers and not layers & used:
            offend(cmake, f"{target} links {item}, but {folder} includes nothing of it, "
                          f"directly or through the layers it includes")

for offence in offences:
    print(offence, file=sys.stderr)
if offences:
    print(f"layer check failed: {len(offences)} offence(s)", file=sys.stderr)
    sys.exit(1)
print(f"layer check: every include of {len(folders)} folders points down "
      f"and their CMake links match their includes")
