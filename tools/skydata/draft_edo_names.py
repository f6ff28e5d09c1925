#!/usr/bin/env python3
"""Draft the simplified-Chinese -> Japanese kanji table for the Edo asterisms.

Run once by hand; the output is reviewed and corrected manually and then kept
as edo_names.tsv, which make_skydata.py reads.  make_skydata.py itself never
calls OpenCC, so regenerating the data does not depend on it.

    python3 tools/skydata/draft_edo_names.py > /tmp/edo_names.draft.tsv

Needs Debian's `opencc` command (s2t, then t2jp) and the cached package
(run make_skydata.py once first to fetch it).
"""
import json
import subprocess
import sys
import tarfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
import make_skydata  # noqa: E402


def opencc(text, config):
    return subprocess.run(["opencc", "-c", config], input=text, text=True,
                          capture_output=True, check=True).stdout


def main():
    tgz = make_skydata.fetch_package()
    with tarfile.open(tgz) as tar:
        cn = json.load(tar.extractfile("package/data/constellations.cn.json"))
    ids = [f["id"] for f in cn["features"]]
    simp = [f["properties"]["name"] for f in cn["features"]]
    jp = opencc(opencc("\n".join(simp) + "\n", "s2t.json"), "t2jp.json").split("\n")
    print("# id\tsource\tjapanese\tnote")
    for i, s, j in zip(ids, simp, jp):
        try:
            j.encode("cp932")
            note = "opencc"
        except UnicodeEncodeError:
            note = "REVIEW: not in cp932"
        print(f"{i}\t{s}\t{j}\t{note}")


if __name__ == "__main__":
    main()
