#!/usr/bin/env python3
"""Checks that every caption and message "Read me.htm" quotes (the texts it
marks class="ui" or class="msg") is one the programs show: a whole string of
their resource scripts or sources, or one line of it, its mnemonic marks (&)
left out; a quote ending in "..." is the start of one.  Windows' own texts
are taken as they are.

Run: python3 tools/checkreadme.py [TREE]    Exit status 0 when all are found.
"""
import glob
import html
import os
import re
import sys

WINDOWS_OWN = {"Yes", "No", "Apps & Features"}
PLACES = ("ui/*.rc", "inst/*.rc", "dictionary/*.cpp", "ui/*.cpp", "inst/*.cpp")


def flat(text):
    return " ".join(text.split())


def shown(tree):
    """Every string the sources hold, adjacent ones joined, comments left out."""
    token = re.compile(r'"((?:[^"\\\n]|\\.)*)"|\'(?:[^\'\\\n]|\\.)*\'|//[^\n]*|/\*.*?\*/', re.S)
    texts = set()
    for name in (f for place in PLACES for f in glob.glob(os.path.join(tree, place))):
        source = open(name, encoding="latin-1").read()
        runs, end = [], -1
        for found in token.finditer(source):
            if found.group(1) is None:
                continue
            if runs and source[end:found.start()].strip() == "":
                runs[-1] += found.group(1)
            else:
                runs.append(found.group(1))
            end = found.end()
        for whole in runs:
            whole = whole.replace("\\n", "\n").replace("\\t", "\t").replace('\\"', '"').replace("&", "")
            texts.update(flat(line) for line in [whole] + whole.split("\n"))
    return texts


def main():
    tree = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    page = open(os.path.join(tree, "data", "Read me.htm"), encoding="ascii").read()
    texts = shown(tree)
    missing = []
    for quote in re.findall(r'class="(?:ui|msg)">(.*?)</', page, re.S):
        quote = flat(html.unescape(quote))
        start = quote[:-3].rstrip() if quote.endswith("...") else None
        if quote not in texts | WINDOWS_OWN and not (start and any(t.startswith(start) for t in texts)):
            missing.append(quote)
    for quote in missing:
        print("Read me.htm quotes a text the programs never show: %r" % quote)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
