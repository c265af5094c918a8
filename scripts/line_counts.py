#!/usr/bin/env python3
"""Lines of tests against lines of code (src/ + include/ + app/ + python/), counted two ways:
all non-blank lines, and non-blank lines that are not only comment.
The project keeps tests at about a third of the code.
    scripts/line_counts.py [--max RATIO] [repo-root]
With --max, exits 1 when the ratio without comment lines is above RATIO."""
import argparse, pathlib, re, sys

args = argparse.ArgumentParser()
args.add_argument("--max", type=float)
args.add_argument("root", nargs="?", default=pathlib.Path(__file__).parent.parent)
args = args.parse_args()
root = pathlib.Path(args.root)
SUFFIXES = {".cpp", ".h", ".hpp", ".in", ".py", ".sh"}


def counts(path):
    """(non-blank lines, non-blank lines with code) of one file."""
    text = path.read_text(errors="replace")
    nonblank = code = 0
    in_block = False
    hash_comments = path.suffix in {".py", ".sh"}
    for line in text.splitlines():
        s = line.strip()
        if not s:
            continue
        nonblank += 1
        if hash_comments:
            code += not s.startswith("#")
            continue
        # Strip block comments and line comments; what is left is code.
        rest = ""
        while s:
            if in_block:
                end = s.find("*/")
                if end < 0:
                    s = ""
                else:
                    in_block, s = False, s[end + 2:]
            else:
                m = re.search(r'/\*|//|"', s)
                if not m:
                    rest += s
                    s = ""
                elif m.group() == '"':
                    q = re.match(r'"(\\.|[^"\\])*"', s[m.start():])
                    stop = m.start() + (q.end() if q else len(s))
                    rest += s[:stop]
                    s = s[stop:]
                elif m.group() == "//":
                    rest += s[:m.start()]
                    s = ""
                else:
                    rest += s[:m.start()]
                    in_block, s = True, s[m.start() + 2:]
        code += bool(rest.strip())
    return nonblank, code


def tally(folders):
    total = [0, 0]
    for folder in folders:
        for p in sorted((root / folder).rglob("*")):
            if p.is_file() and p.suffix in SUFFIXES:
                a, b = counts(p)
                total[0] += a
                total[1] += b
    return total


code = tally(["src", "include", "app", "python"])
tests = tally(["tests"])
print(f"{'':28}{'code':>8}{'tests':>8}{'ratio':>8}")
print(f"{'non-blank lines':28}{code[0]:8}{tests[0]:8}{tests[0] / code[0]:8.2f}")
print(f"{'without comment lines':28}{code[1]:8}{tests[1]:8}{tests[1] / code[1]:8.2f}")
if args.max is not None and tests[1] / code[1] > args.max:
    print(f"tests are {tests[1] / code[1]:.2f} of the code, above {args.max}")
    sys.exit(1)
