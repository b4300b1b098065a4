#!/usr/bin/env python3
"""Every caption and message "Read me.htm" quotes (class "ui" or "msg") is a
string of the programs' resource scripts or sources, or a line of one, less
its mnemonic marks; a quote ending in "..." begins one; Windows' own texts
pass.  Run: python3 tools/checkreadme.py TREE   (status 1 names the others)"""
import glob, html, re, sys

tree = sys.argv[1]
flat = lambda text: " ".join(text.split())
texts = {"Yes", "No", "Apps & Features"}
places = ("ui/*.rc", "inst/*.rc", "dictionary/*.cpp", "ui/*.cpp", "inst/*.cpp")
for name in sum((glob.glob(tree + "/" + place) for place in places), []):
    source = re.sub(r'"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'|//[^\n]*|/\*.*?\*/',
                    lambda m: m.group(0) if m.group(0)[0] == '"' else " ",  # comments out
                    open(name, encoding="latin-1").read(), flags=re.S)
    for text in re.findall(r'"((?:[^"\\\n]|\\.)*)"', re.sub(r'"\s+"', "", source)):  # adjacent strings are one
        text = text.replace("\\n", "\n").replace('\\"', '"').replace("&", "")
        texts.update(flat(line) for line in [text] + text.split("\n"))
page = open(tree + "/data/Read me.htm", encoding="ascii").read()
quotes = [flat(html.unescape(quote)) for quote in re.findall(r'class="(?:ui|msg)">(.*?)</', page, re.S)]
missing = [quote for quote in quotes if quote not in texts and
           not (quote.endswith("...") and any(text.startswith(quote[:-3].rstrip()) for text in texts))]
for quote in missing: print("Read me.htm quotes a text the programs never show: %r" % quote)
sys.exit(1 if missing else 0)
