#!/usr/bin/env python3
"""Fails unless a Windows program imports only functions that a bare
Windows 7 SP1 has: every function it imports must be on the list given, and
no DLL may be one that Windows 7 lacks (the Universal C runtime, shcore,
the api-ms-win-* sets) or one that travels beside a program (the C++
runtime, libgcc, winpthread).

usage: check_imports.py OBJDUMP PROGRAM LIST
LIST has one "dll function" a line; what follows on the line, and lines
starting with #, are comments.
"""
import re
import subprocess
import sys


def imports(objdump, program):
    """(dll, function) for each import, both as objdump names them."""
    dump = subprocess.run([objdump, "-p", program], check=True, capture_output=True,
                          text=True).stdout
    found = []
    dll = None
    for line in dump.splitlines():
        named = re.match(r"\s*DLL Name: (\S+)", line)
        if named:
            dll = named.group(1)
            continue
        # A member: its address, then (binutils 2.40) hint and name, or
        # (binutils 2.44) ordinal, hint and name; "<none>" for what is not there.
        member = re.match(r"\t[0-9a-f]+\s+(.+)$", line)
        if dll and member:
            fields = member.group(1).split()
            name = fields[-1]
            if name == "<none>":  # imported by ordinal
                name = "#" + next(field for field in fields if field.isdigit())
            found.append((dll, name))
        elif not line.strip():
            dll = None  # a blank line ends a DLL's imports
    return found


def allowed(path):
    with open(path, encoding="utf-8") as listed:
        return {tuple(line.split()[:2]) for line in listed
                if line.strip() and not line.startswith("#")}


def main(objdump, program, list_path):
    found = imports(objdump, program)
    if not found:
        sys.exit(f"no imports found in {program}")
    known = allowed(list_path)
    missing_on_windows7 = re.compile(
        r"(api-ms-win-|ext-ms-win-|ucrtbase|vcruntime|msvcp|shcore|libstdc|libgcc|libwinpthread)")
    failures = []
    for dll, function in found:
        entry = (dll.lower(), function)
        if missing_on_windows7.match(entry[0]):
            failures.append(f"imports {dll}, which a bare Windows 7 SP1 does not have")
        elif entry not in known:
            failures.append(f"imports {dll} {function}, which is not on {list_path}")
    for failure in dict.fromkeys(failures):
        print(failure, file=sys.stderr)
    dlls = sorted({dll.lower() for dll, _ in found})
    print(f"{len(found)} imports from {', '.join(dlls)}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
