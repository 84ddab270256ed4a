#!/usr/bin/env python3
"""Reads the program's JSON and CSV back as scripts and spreadsheets would,
and holds their numbers against the text report of the same roster."""
import csv
import json
import re
import subprocess
import sys
import tempfile
from pathlib import Path

zelmora, example = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def run(folder, roster, *options):
    outputs = {kind: folder / f"out.{kind}" for kind in ("txt", "json", "csv")}
    command = [zelmora, *options]
    for kind, path in outputs.items():
        command += [f"--{kind}", str(path)]
    subprocess.run(command + [str(roster)], check=True)
    report = outputs["txt"].read_bytes()
    document = json.loads(outputs["json"].read_text(encoding="utf-8"))
    with open(outputs["csv"], encoding="utf-8-sig", newline="") as stream:
        rows = list(csv.DictReader(stream))
    check(outputs["csv"].read_bytes().startswith(b"\xef\xbb\xbf"), "CSV byte-order mark")
    return report, document, rows


def matrix_cells(report, title):
    """The 25 cells of a matrix of the text report, past the 10-byte names."""
    lines = report.split(b"\r\n")
    start = lines.index(title.encode("cp932")) + 2
    return [line[11:].decode("ascii") for line in lines[start:start + 5]]


def check_against_report(report, document):
    pairings = {(p["attacker"], p["defender"]): p for p in document["pairings"]}
    check(len(pairings) == 25, "25 pairings")
    hit_rows = matrix_cells(report, "命中率")
    damage_rows = matrix_cells(report, "期待ダメージ")
    for row in range(1, 6):
        hits = re.findall(r"(-?\d+\.\d\d)%\(\s*(A|-\d+)\)", hit_rows[row - 1])
        damages = damage_rows[row - 1].split()
        check(len(hits) == 5 and len(damages) == 5, f"matrix row {row}")
        for column in range(1, 6):
            pairing = pairings[(row, column)]
            chance, technique = hits[column - 1]
            where = f"pairing {row}-{column}"
            check(f"{pairing['attack_chance']:.2f}" == chance, f"{where} chance")
            check(pairing["technique"] == technique, f"{where} technique")
            penalty = None if technique == "A" else -int(technique)
            check(pairing["technique_penalty"] == penalty, f"{where} penalty")
            check(pairing["auto_triggered"] == (technique == "A"), f"{where} auto-trigger")
            check(f"{pairing['expected_damage']:.3f}" == damages[column - 1], f"{where} damage")
    # The defender rows of the report: name, three evasions, two defences.
    lines = report.split(b"\r\n")
    for slot, line in enumerate(lines[2:7], start=1):
        numbers = [int(n) for n in re.findall(rb"-?\d+", line[23:])]
        d = document["defenders"][slot - 1]
        check(numbers[:5] == [d["melee_evasion"], d["ranged_evasion"], d["magic_evasion"],
                              d["physical_defence"], d["magic_defence"]], f"defender {slot}")


def check_csv_equals_json(rows, document):
    check(len(rows) == 25, "25 CSV rows")
    names = {("a", a["slot"]): a["name"] for a in document["attackers"]}
    names.update({("d", d["slot"]): d["name"] for d in document["defenders"]})
    for row, pairing in zip(rows, document["pairings"]):
        where = f"CSV {row['attacker']}-{row['defender']}"
        check(int(row["attacker"]) == pairing["attacker"], where)
        check(int(row["defender"]) == pairing["defender"], where)
        check(row["attacker_name"] == names[("a", pairing["attacker"])], f"{where} name")
        check(row["defender_name"] == names[("d", pairing["defender"])], f"{where} name")
        # The shortest text that reads back as the same double: equal, not close.
        check(float(row["attack_chance"]) == pairing["attack_chance"], f"{where} chance")
        check(float(row["expected_damage"]) == pairing["expected_damage"], f"{where} damage")
        penalty = pairing["technique_penalty"]
        check(row["technique_penalty"] == ("" if penalty is None else str(penalty)), where)
        check(row["auto_triggered"] == str(int(pairing["auto_triggered"])), where)


with tempfile.TemporaryDirectory() as name:
    folder = Path(name)
    report, document, rows = run(folder, example, "--evasion", "0,2,1,2,2")
    check(document["format"] == "zelmora-results" and document["version"] == 1, "header")
    check(document["evasion_kinds"] == [0, 2, 1, 2, 2], "evasion kinds")
    check(document["attackers"][4]["name"] == "呪い人形", "a Japanese name")
    check_against_report(report, document)
    check_csv_equals_json(rows, document)

    # Names a CSV or JSON writer must quote or escape; in the roster a quote
    # is doubled and a lone CR stays inside its line.
    awkward = ['say "hi", friend', "a,b,c", "two\rlines", "tab\there"]
    roster = folder / "awkward.qvr"
    lines = [f'P,{slot},"{name.replace(chr(34), chr(34) * 2)}",50,1,0,0,0,11,1,0'
             for slot, name in enumerate(awkward, start=1)]
    data = "\r\n".join(lines).encode("cp932") + b'\r\nM,1,"\x80\x82",10,0,0,0,0\r\n'
    roster.write_bytes(data)
    report, document, rows = run(folder, roster, "--modifiers", "5,0,0,0,0,0,0,0")
    for slot, name in enumerate(awkward, start=1):
        check(document["attackers"][slot - 1]["name"] == name, f"JSON name {name!r}")
        check(not document["attackers"][slot - 1]["name_undecodable"], f"flag of {name!r}")
        check(rows[(slot - 1) * 5]["attacker_name"] == name, f"CSV name {name!r}")
    check(document["defenders"][0]["name"] == "\ufffd\ufffd", "undecodable bytes")
    check(document["defenders"][0]["name_undecodable"], "undecodable flag")
    check(document["modifiers"]["physical_hit"] == 5, "modifiers")
    check_against_report(report, document)
    check_csv_equals_json(rows, document)

for failure in failures:
    print("FAILED:", failure)
print(f"{1 if not failures else 0} passed, {1 if failures else 0} failed")
sys.exit(1 if failures else 0)
