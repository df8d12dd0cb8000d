#!/usr/bin/env python3
"""Writes a frequency-ranked word list for gridgen: the words of a game
dictionary in the order of the frequency lists of a @zxcvbn-ts/language-*
npm package (MIT; its commonWords list comes from OpenSubtitles via OPUS,
ODC-BY).

    derive_ranks.py PACKAGE_SRC DICTIONARY [--with-wikipedia] > OUTPUT

PACKAGE_SRC is the package's src/ folder (npm pack, then untar). DICTIONARY
is a game word list (Latin-1, one word a line). The output holds the words
of commonWords.json that the dictionary has, most frequent first, and with
--with-wikipedia then those of wikipedia.json not already listed; each word
written as the dictionary spells it, Latin-1, one a line.
"""
import json
import sys


def main() -> None:
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    if len(args) != 2:
        sys.exit(__doc__)
    source, dictionary = args
    with open(dictionary, "rb") as f:
        known = {line.strip().decode("latin-1") for line in f if line.strip()}
    names = ["commonWords"] + (["wikipedia"] if "--with-wikipedia" in sys.argv else [])
    listed = set()
    out = sys.stdout.buffer
    for name in names:
        with open(f"{source}/{name}.json", encoding="utf-8") as f:
            for word in json.load(f):
                if word in known and word not in listed:
                    listed.add(word)
                    out.write(word.encode("latin-1") + b"\n")


if __name__ == "__main__":
    main()
