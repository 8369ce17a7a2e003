"""Writes plots as matplotlib saves them, for the rendering test: each figure lies on a white background
rectangle, its axes on another, and the curves, bars and fills are drawn over them.

Usage: matplotlib_plots.py FOLDER   (writes FOLDER/waves.svg and FOLDER/bars.svg)
"""

import math
import sys

import matplotlib

matplotlib.use("svg")
import matplotlib.pyplot as plt  # noqa: E402 (the back end is chosen first)


def main(folder):
    xs = [step / 10 for step in range(63)]
    figure, axes = plt.subplots(figsize=(4, 3))
    axes.plot(xs, [math.sin(x) for x in xs], color="tab:blue", label="sin")
    axes.plot(xs, [math.cos(x) for x in xs], color="tab:red", label="cos")
    axes.fill_between(xs, [math.sin(x) for x in xs], 0, color="tab:green")
    axes.set_title("Waves")
    axes.legend()
    figure.savefig(folder + "/waves.svg")

    figure, axes = plt.subplots(figsize=(4, 3))
    axes.bar(["a", "b", "c", "d"], [3, 5, 2, 4], color=["tab:orange", "tab:purple", "tab:olive", "tab:cyan"])
    axes.set_title("Bars")
    figure.savefig(folder + "/bars.svg")


if __name__ == "__main__":
    main(sys.argv[1])
