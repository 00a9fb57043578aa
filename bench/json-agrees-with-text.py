#!/usr/bin/env python3
"""Checks that the JSON of generate and list says what their text reports say, page by page.

Usage: bench/json-agrees-with-text.py TAGSMITH_CLI FOLDER_OR_FILE...
Prints one line with the number of documents and rows compared; exits 1 at the first mismatch.
"""
import json
import subprocess
import sys


def run(cli, *arguments):
    result = subprocess.run([cli, *arguments], capture_output=True)
    return result.stdout.decode("utf-8")


def sections(text):
    """The report of each document of a framed text run, by file."""
    found, current = {}, None
    for line in text.split("\n"):
        if line.startswith("==> ") and line.endswith(" <=="):
            current = line[4:-4]
            found[current] = []
        elif current is not None:
            found[current].append(line)
    return found


def fail(message):
    print("json-agrees-with-text: " + message)
    sys.exit(1)


def main():
    cli, paths = sys.argv[1], sys.argv[2:]
    documents = rows = 0
    text = sections(run(cli, "generate", *paths))
    for report in json.loads(run(cli, "generate", "--format", "json", *paths)):
        if report["status"] != "ok":
            continue
        lines = text[report["file"]]
        expected = ([report["tag"], "", "Number of keywords in meta tag: %d" % report["keywords"],
                     "Number of bytes in meta tag: %d" % report["bytes"]]
                    if report["tag"] is not None else [report["message"]])
        if lines[:len(expected)] != expected:
            fail("generate differs on " + report["file"])
        documents += 1
    text = sections(run(cli, "list", *paths))
    for report in json.loads(run(cli, "list", "--format", "json", *paths)):
        if report["status"] != "ok" or "words" not in report:
            continue
        lines = [line for line in text[report["file"]][1:] if line.strip()
                 and not line.startswith("Words with key value 0")]
        for word, line in zip(report["words"], lines):
            rank, value, frequency, density, written = line.split(None, 4)
            if (int(rank), int(value), int(frequency), float(density.rstrip("%")), written) != (
                    word["rank"], word["value"], word["frequency"], word["density"], word["word"]):
                fail("list differs on %s: %r against %r" % (report["file"], line, word))
            rows += 1
        if len(report["words"]) != len(lines):
            fail("list row count differs on " + report["file"])
    print("JSON agrees with text: %d documents, %d word rows" % (documents, rows))


if __name__ == "__main__":
    main()
