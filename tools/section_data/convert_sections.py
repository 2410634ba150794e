#!/usr/bin/env python3
"""Writes the section tables of two open databases as constant C++ tables, one generated file per
source (core/sections/<source>_..._data.generated.cpp), so each file carries one licence.

Usage: convert_sections.py STRUCTURALCODES_GIT_DIR BLUEPRINTS_GIT_DIR [OUTPUT_DIR]

Each argument is a git directory (a bare clone or a .git folder) of the source repository. The
script reads the files at HEAD with `git show`, parses them with `ast` and never runs them. It
needs only the Python standard library and git.
"""

import ast
import json
import subprocess
import sys
from pathlib import Path

SOURCES = {
    "structuralcodes": {
        "repository": "https://github.com/fib-international/structuralcodes",
        "licence": "Apache-2.0",
    },
    "blueprints": {
        "repository": "https://github.com/Blueprints-org/blueprints",
        "licence": "MIT",
    },
}

SC_PROFILES = "structuralcodes/geometry/profiles/"
BP_PROFILES = "blueprints/structural_sections/steel/standard_profiles/"


def git(git_dir, *args):
    return subprocess.run(["git", "--git-dir", git_dir, *args], check=True,
                          capture_output=True, text=True).stdout


def parameters_dict(git_dir, path):
    """The literal `parameters = {...}` class attribute of a structuralcodes profile file."""
    tree = ast.parse(git(git_dir, "show", "HEAD:" + path))
    for node in ast.walk(tree):
        if isinstance(node, ast.Assign) and any(
                getattr(t, "id", None) == "parameters" for t in node.targets):
            return ast.literal_eval(node.value)
    raise SystemExit(f"no parameters table in {path}")


def database_rows(git_dir, path):
    """The positional arguments of every `__XParameters(...)` call in a blueprints database."""
    tree = ast.parse(git(git_dir, "show", "HEAD:" + path))
    for node in ast.walk(tree):
        if isinstance(node, ast.Assign) and isinstance(node.value, ast.Dict) and any(
                getattr(t, "id", "").endswith("_DATABASE") for t in node.targets):
            return [[ast.literal_eval(a) for a in call.args] for call in node.value.values]
    raise SystemExit(f"no database in {path}")


def num(value):
    text = repr(float(value))
    return text[:-2] if text.endswith(".0") else text


def row(name, alias, numbers):
    return '    {"%s", "%s", {%s}},' % (name, alias, ", ".join(num(n) for n in numbers))


def us_w_name(imperial):
    # "W44x16x408": depth and weight per foot; the middle number is the flange width.
    parts = imperial[1:].split("x")
    return "W%sX%s" % (parts[0], parts[-1])


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    sc, bp = sys.argv[1], sys.argv[2]
    out_dir = Path(sys.argv[3]) if len(sys.argv) > 3 else Path(
        __file__).resolve().parents[2] / "core/sections"
    commits = {"structuralcodes": git(sc, "rev-parse", "HEAD").strip(),
               "blueprints": git(bp, "rev-parse", "HEAD").strip()}

    tables = {}

    def plain(key, file, prefix, fields):
        tables[key] = [row(name, "", [p[f] for f in fields])
                       for name, p in parameters_dict(sc, SC_PROFILES + file).items()
                       if name.startswith(prefix)]

    i_fields = ["h", "b", "tw", "tf", "r"]
    plain("kIpe", "_ipe.py", "IPE", i_fields)
    plain("kHea", "_he.py", "HEA", i_fields)
    plain("kHeb", "_he.py", "HEB", i_fields)
    plain("kHem", "_he.py", "HEM", i_fields)
    plain("kIpn", "_ipn.py", "IPN", ["h", "b", "tw", "tf", "r1", "r2"])
    plain("kUpn", "_upn.py", "UPN", ["h", "b", "tw", "tf", "r1", "r2"])
    plain("kUpe", "_upe.py", "UPE", i_fields)
    plain("kHp", "_hp.py", "HP", i_fields)
    plain("kAngleEqual", "_l.py", "L", ["h", "b", "t", "r1", "r2"])
    plain("kAngleUnequal", "_li.py", "L", ["h", "b", "t", "r1", "r2"])

    # W: metric names and dimensions from the profile table; the US names and nominal weights
    # from the test table that pairs them.
    imperial = {}
    for line in git(sc, "show", "HEAD:tests/test_geometry/test_profiles/w.json").splitlines():
        if line.strip():
            entry = json.loads(line)
            imperial[entry["name_si"]] = entry
    w_rows, seen = [], set()
    for name, p in parameters_dict(sc, SC_PROFILES + "_w.py").items():
        if name.endswith("#"):
            continue  # the source marks sizes outside the US rolling programme
        entry = imperial[name]
        us = us_w_name(entry["name_imperial"])
        if us in seen:
            raise SystemExit(f"two W sizes named {us}")
        seen.add(us)
        w_rows.append(row(us, name, [p["h"], p["b"], p["tw"], p["tf"], p["r"],
                                     entry["g_lbs/ft"], entry["g_kg/m"]]))
    tables["kW"] = w_rows

    def hollow(key, file, columns):
        tables[key] = [row("", "", [r[c] for c in columns])
                       for r in database_rows(bp, BP_PROFILES + file)]

    hollow("kChs", "chs.py", [1, 2])
    hollow("kRhsCold", "rhscf.py", [1, 2, 3])
    hollow("kRhsHot", "rhs.py", [1, 2, 3])
    hollow("kShsCold", "shscf.py", [1, 3])
    hollow("kShsHot", "shs.py", [1, 3])

    # One generated file per source, so each carries one licence; blueprints' hollow sections
    # in two (round; rectangular and square) to keep each file readable.
    outputs = [
        ("structuralcodes", "structuralcodes_data", "StructuralcodesRows",
         [k for k in tables if not k.startswith(("kChs", "kRhs", "kShs"))]),
        ("blueprints", "blueprints_round_data", "BlueprintsRoundRows", ["kChs"]),
        ("blueprints", "blueprints_rectangular_data", "BlueprintsRectangularRows",
         ["kRhsCold", "kRhsHot", "kShsCold", "kShsHot"]),
    ]
    for source, stem, function, keys in outputs:
        info = SOURCES[source]
        lines = [
            "// Generated by tools/section_data/convert_sections.py; do not edit by hand.",
            "// Source (see THIRD_PARTY_NOTICES):",
            "//   %s %s at %s, licence %s" % (
                source, info["repository"], commits[source], info["licence"]),
            "// Lengths in millimetres; W rows end with lb/ft and kg/m.", "",
            '#include "core/sections/family_data.h"', "", "namespace tarvix {", "namespace {", ""]
        for key in keys:
            lines.append("constexpr RawSection %s[] = {" % key)
            lines += tables[key]
            lines += ["};", ""]
        lines += ["}  // namespace", "",
                  "std::span<const RawSection> %s(RawTable table) {" % function,
                  "    switch (table) {"]
        for key in keys:
            lines += ["        case RawTable::%s:" % key, "            return %s;" % key]
        lines += ["        default:", "            return {};", "    }", "}", "",
                  "}  // namespace tarvix", ""]
        out_path = out_dir / ("%s.generated.cpp" % stem)
        out_path.write_text("\n".join(lines))
        print("wrote", out_path, {k: len(tables[k]) for k in keys})

if __name__ == "__main__":
    main()
