#!/usr/bin/env python3
# The fuzz build's compiler launcher: gives the program's narrow string
# literals GBK bytes, as the GCC build's -fexec-charset=GBK does, since
# clang knows no execution character set but UTF-8. Without it the Chinese
# column and table names would reach the database as other text than the
# program's own, and the fuzzed code would not be the program's.
#
# It preprocesses the source with the same flags (writing the dependency
# file as the compile would), rewrites every non-ASCII character of an
# ordinary string literal as \x escapes of its GBK bytes, and compiles the
# result. Literals with a prefix (u8, u, U, L) keep their own encoding.
# Usage, as CMake calls a launcher: gbk_literals.py [ccache] COMPILER ARGS...
import os
import subprocess
import sys

IDENTIFIER = set("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_")
HEX = set("0123456789abcdefABCDEF")


def token_before(text, at):
    """The identifier or number that ends right before text[at]."""
    start = at
    while start > 0 and (text[start - 1] in IDENTIFIER or text[start - 1] == "."):
        start -= 1
    return text[start:at]


def gbk_escaped(literal):
    """An ordinary literal's body with its non-ASCII characters escaped."""
    out = []
    i = 0
    while i < len(literal):
        c = literal[i]
        if c == "\\":
            out.append(literal[i:i + 2])
            i += 2
            continue
        if ord(c) < 0x80:
            out.append(c)
            i += 1
            continue
        end = i
        while end < len(literal) and ord(literal[end]) >= 0x80:
            end += 1
        out.append("".join("\\x%02X" % b for b in literal[i:end].encode("gbk")))
        # A hex digit after an escape would be read as part of it.
        if end < len(literal) and literal[end] in HEX:
            out.append('" "')
        i = end
    return "".join(out)


def convert(text):
    out = []
    i = 0
    n = len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":  # line markers and pragmas stay as they are
            end = text.find("\n", i)
            end = n if end < 0 else end + 1
            out.append(text[i:end])
            i = end
            continue
        line_start = c == "\n"
        if c == "'":
            before = token_before(text, i)
            if before[:1].isdigit() or before.startswith("."):
                out.append(c)  # a digit separator
                i += 1
                continue
            end = i + 1
            while text[end] != "'":
                end += 2 if text[end] == "\\" else 1
            out.append(text[i:end + 1])
            i = end + 1
            continue
        if c != '"':
            out.append(c)
            i += 1
            continue
        prefix = token_before(text, i)
        if prefix.endswith("R") and prefix in ("R", "u8R", "uR", "UR", "LR"):
            open_paren = text.index("(", i)
            delimiter = text[i + 1:open_paren]
            end = text.index(")" + delimiter + '"', open_paren) + len(delimiter) + 2
            body = text[i:end]
            if prefix == "R" and any(ord(ch) >= 0x80 for ch in body):
                sys.exit("gbk_literals.py: a raw literal holds non-ASCII text, which has no GBK form here: " + body)
            out.append(body)
            i = end
            continue
        end = i + 1
        while text[end] != '"':
            end += 2 if text[end] == "\\" else 1
        body = text[i + 1:end]
        out.append('"' + (body if prefix in ("u8", "u", "U", "L") else gbk_escaped(body)) + '"')
        i = end + 1
    return "".join(out)


def main(argv):
    wrapper = []
    if argv and os.path.basename(argv[0]) == "ccache":
        wrapper, argv = argv[:1], argv[1:]
    compiler, args = argv[0], argv[1:]
    if "-c" not in args or "-o" not in args:
        return subprocess.call(wrapper + argv)
    source_at = args.index("-c") + 1
    output_at = args.index("-o") + 1
    preprocessed = args[output_at] + ".gbk.ii"
    first = [compiler] + args
    first[1 + source_at - 1] = "-E"
    first[1 + output_at] = preprocessed
    if subprocess.call(first) != 0:
        return 1
    try:
        with open(preprocessed, encoding="utf-8", newline="") as f:
            text = convert(f.read())
        with open(preprocessed, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        second = []
        skip = 0
        for at, a in enumerate(args):
            if skip:
                skip -= 1
            elif a in ("-MT", "-MF", "-MQ"):
                skip = 1
            elif a in ("-MD", "-MMD"):
                pass
            elif at == source_at:
                second += ["-x", "c++-cpp-output", preprocessed]
            else:
                second.append(a)
        # The include folders and macros are spent; said once is enough.
        return subprocess.call(wrapper + [compiler, "-Wno-unused-command-line-argument"] + second)
    finally:
        os.remove(preprocessed)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
