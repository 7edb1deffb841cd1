#!/usr/bin/env python3
"""Writes a trelmo-sim script in which a simple greedy player plays.

For every shape it tries each turn and column through trelmo-sim itself and
keeps the move that leaves the lowest, least holed stack. The scripts made
this way are committed with their expected output; this tool only remakes them.

usage: greedy_player.py SIM PIECES HEADER_LINE... > script.sim
(the header must say `answer no`, so that a lost game shows as no dump)
"""
import subprocess
import sys


def run(sim, lines):
    out = subprocess.run([sim], input="\n".join(lines) + "\ndump\n", capture_output=True, text=True).stdout
    if "score " not in out:
        return None  # the game ended and the player answered no
    dump = out.split("score ")[-1].splitlines()
    first = ("score " + dump[0]).split()
    well = dump[dump.index("well") + 1:dump.index("end")]
    return int(first[1]), well, out


def badness(well):
    heights = []
    holes = 0
    for c in range(10):
        col = [row[c] for row in well]
        top = next((i for i, v in enumerate(col) if v != "."), 21)
        heights.append(21 - top)
        holes += sum(1 for v in col[top:] if v == ".")
    bump = sum(abs(a - b) for a, b in zip(heights, heights[1:]))
    return sum(heights) + 8 * holes + bump + 3 * max(heights)


def main():
    sim, pieces, header = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    script = list(header)
    for _ in range(pieces):
        best = None
        for turns in range(4):
            for shift in range(-5, 6):
                move = ["rotate"] * turns + (["left"] * -shift if shift < 0 else ["right"] * shift) + ["down"]
                result = run(sim, script + move)
                if result is None:
                    continue
                score, well, _ = result
                key = (-score, badness(well))
                if best is None or key < best[0]:
                    best = (key, move)
        if best is None:
            break
        script += best[1]
    print("\n".join(script))


main()
