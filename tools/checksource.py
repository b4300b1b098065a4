#!/usr/bin/env python3
"""Checks the text source data/orlavexdic.txt (or the file named on the
command line) before it is bundled.

A headword line is the headword, one space and the marker "marvoc" at the
end of the line; the meaning lines follow up to the next headword line.
The rebuild takes a headword line less its last 7 characters (the marker
and the line feed) and one trailing space, so the file must use bare LF
line ends throughout.

Run: python3 tools/checksource.py [FILE] [--stats]
Exit status 0 when every check passes, 1 otherwise.
"""
import os
import sys

MARKER = "marvoc"
MIN_ENTRIES = 320
MAX_HEADWORD = 60        # the store itself allows 99
MAX_MEANING_LINE = 199   # characters, without the line end
MAX_MEANING = 1500       # characters, counting CR LF per line as stored
# Words the program treats as its own names: a headword that begins with one
# of these (or equals the last) can never be looked up.
RESERVED_PREFIXES = ("marvoc", "tiberl", "ostrevanic", "lumbrask", "zqv", "xkq")
RESERVED_WHOLE = ("quelt",)


def check(path, stats=False):
    problems = []

    def fail(lineno, message):
        problems.append("%s:%d: %s" % (path, lineno, message))

    data = open(path, "rb").read()
    if not data:
        fail(0, "file is empty")
        return problems
    if b"\r" in data:
        fail(data[: data.index(b"\r")].count(b"\n") + 1, "carriage return found (use LF only)")
    if not data.endswith(b"\n"):
        fail(data.count(b"\n") + 1, "last line does not end with a line feed")
    if data.endswith(b"\n\n"):
        fail(data.count(b"\n"), "blank line at the end of the file (it would join the last meaning)")
    for lineno, raw in enumerate(data.split(b"\n"), 1):
        bad = [b for b in raw if b > 126 or (b < 32 and b != 9)]
        if bad:
            fail(lineno, "non-ASCII or control byte 0x%02x" % bad[0])
        if b"\t" in raw:
            fail(lineno, "tab character (use spaces)")

    text = data.decode("ascii", errors="replace")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()

    entries = []  # [headword, first line number, meaning lines]
    for lineno, line in enumerate(lines, 1):
        if MARKER in line:
            if not line.endswith(" " + MARKER):
                fail(lineno, "marker inside a line that is not a headword line: %r" % line)
                continue
            word = line[: -len(MARKER) - 1]
            if word != word.strip() or "  " in word:
                fail(lineno, "headword with stray spaces: %r" % word)
            if not word:
                fail(lineno, "empty headword")
            if len(word) > MAX_HEADWORD:
                fail(lineno, "headword longer than %d characters" % MAX_HEADWORD)
            low = word.lower()
            if low.startswith(RESERVED_PREFIXES) or low in RESERVED_WHOLE:
                fail(lineno, "headword %r is one of the program's own names" % word)
            entries.append([word, lineno, []])
        else:
            if not entries:
                fail(lineno, "text before the first headword line")
                continue
            if len(line) > MAX_MEANING_LINE:
                fail(lineno, "meaning line of %d characters (at most %d)" % (len(line), MAX_MEANING_LINE))
            if line != line.rstrip():
                fail(lineno, "trailing spaces")
            entries[-1][2].append(line)

    seen = {}
    previous = None
    for word, lineno, meaning in entries:
        key = word.lower()
        if key in seen:
            fail(lineno, "duplicate headword %r (first at line %d)" % (word, seen[key]))
        else:
            seen[key] = lineno
        if previous is not None and key < previous:
            fail(lineno, "headword %r out of alphabetical order" % word)
        previous = key
        if not any(l.strip() for l in meaning):
            fail(lineno, "headword %r has no meaning" % word)
        elif not meaning[0].strip() or not meaning[-1].strip():
            fail(lineno, "meaning of %r begins or ends with a blank line" % word)
        size = sum(len(l) + 2 for l in meaning) - 2
        if size > MAX_MEANING:
            fail(lineno, "meaning of %r has %d characters (at most %d)" % (word, size, MAX_MEANING))

    if len(entries) < MIN_ENTRIES:
        fail(0, "only %d entries (at least %d wanted)" % (len(entries), MIN_ENTRIES))

    if stats:
        words = {w.lower() for w, _, _ in entries}
        linked = 0
        for word, _, meaning in entries:
            body = " " + " ".join(meaning).lower() + " "
            for other in words:
                if other != word.lower() and (" %s " % other in body or " %s." % other in body
                                              or " %s," % other in body):
                    linked += 1
                    break
        longest = max(entries, key=lambda e: sum(len(l) for l in e[2]))
        print("entries: %d" % len(entries))
        print("meanings naming another headword: %d" % linked)
        print("longest meaning: %s (%d characters)" % (longest[0], sum(len(l) for l in longest[2])))
        print("bytes: %d" % len(data))
    return problems


def main(argv):
    args = [a for a in argv[1:] if not a.startswith("--")]
    here = os.path.dirname(os.path.abspath(__file__))
    path = args[0] if args else os.path.join(here, "..", "data", "orlavexdic.txt")
    problems = check(path, stats="--stats" in argv)
    for p in problems:
        print(p)
    if problems:
        print("%d problem(s)" % len(problems))
        return 1
    print("ok: %s" % os.path.normpath(path))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
