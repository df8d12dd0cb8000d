#!/usr/bin/env python3
"""Derives data/wordlists/fr_frequent.txt, the French words common enough to
be drawn in a game, from the frequency lists of the npm package
@zxcvbn-ts/language-fr (MIT; its commonWords list comes from OpenSubtitles
via OPUS, ODC-BY; see the zxcvbn-fr-* files beside the output).

Run once by hand, not by the build:
    npm pack @zxcvbn-ts/language-fr@4.1.2 && tar xzf zxcvbn-ts-language-fr-4.1.2.tgz
    tools/wordlists/derive_frequent.py package/src /usr/share/dict/french > data/wordlists/fr_frequent.txt

The output keeps the words of both frequency lists (commonWords and
wikipedia) that are also lower-case entries of the system French word list,
in that word list's order, one a line, UTF-8.
"""
import json
import sys


def main() -> None:
    source, dictionary = sys.argv[1], sys.argv[2]
    frequent = set()
    for name in ("commonWords", "wikipedia"):
        with open(f"{source}/{name}.json", encoding="utf-8") as f:
            frequent.update(word.lower() for word in json.load(f))
    with open(dictionary, encoding="utf-8") as f:
        for line in f:
            word = line.rstrip("\n")
            if word in frequent and word.isalpha() and word == word.lower():
                print(word)


if __name__ == "__main__":
    main()
