#!/usr/bin/env python3
"""Draws the toolkit window's scaling curve from window_bench's output.

Usage: scaling_plot.py BENCHMARKS_TXT OUT_SVG

Reads the lines "N controls  median X ms" that follow "scaling of the toolkit
window" and writes a log-log plot of time against controls, with a line of
slope one (cost growing exactly as the count) through the first point for
comparison: a curve under that line grows less than linearly.
"""
import math
import re
import sys

WIDTH, HEIGHT = 640, 400
LEFT, RIGHT, TOP, BOTTOM = 70, 20, 40, 50


def read_points(path):
    points, inside = [], False
    with open(path, encoding="utf-8", errors="replace") as text:
        for line in text:
            if line.startswith("scaling of the toolkit window"):
                inside = True
                continue
            match = re.match(r"\s+(\d+) controls\s+median\s+([\d.]+) ms", line)
            if inside and match:
                points.append((int(match.group(1)), float(match.group(2))))
            elif inside and points:
                break
    return points


def svg(points):
    xs = [math.log10(n) for n, _ in points]
    reference = [(n, points[0][1] * n / points[0][0]) for n, _ in points]
    ys = [math.log10(ms) for _, ms in points + reference]
    x0, x1 = math.floor(min(xs)), math.ceil(max(xs))
    y0, y1 = math.floor(min(ys)), math.ceil(max(ys))

    def px(n):
        return LEFT + (math.log10(n) - x0) / (x1 - x0) * (WIDTH - LEFT - RIGHT)

    def py(ms):
        return HEIGHT - BOTTOM - (math.log10(ms) - y0) / (y1 - y0) * (HEIGHT - TOP - BOTTOM)

    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
           f'font-family="sans-serif" font-size="12">',
           f'<rect width="{WIDTH}" height="{HEIGHT}" fill="white"/>',
           f'<text x="{WIDTH / 2}" y="22" text-anchor="middle" font-size="14">'
           'Toolkit window: build + layout + first paint</text>']
    for decade in range(x0, x1 + 1):
        x = px(10 ** decade)
        out.append(f'<line x1="{x:.1f}" y1="{TOP}" x2="{x:.1f}" y2="{HEIGHT - BOTTOM}" stroke="#ddd"/>')
        out.append(f'<text x="{x:.1f}" y="{HEIGHT - BOTTOM + 18}" text-anchor="middle">{10 ** decade:,}</text>')
    for decade in range(y0, y1 + 1):
        y = py(10 ** decade)
        out.append(f'<line x1="{LEFT}" y1="{y:.1f}" x2="{WIDTH - RIGHT}" y2="{y:.1f}" stroke="#ddd"/>')
        out.append(f'<text x="{LEFT - 8}" y="{y + 4:.1f}" text-anchor="end">{10 ** decade:g} ms</text>')
    out.append(f'<text x="{WIDTH / 2}" y="{HEIGHT - 12}" text-anchor="middle">controls (log scale)</text>')

    def polyline(series, colour, dash=""):
        coords = " ".join(f"{px(n):.1f},{py(ms):.1f}" for n, ms in series)
        extra = f' stroke-dasharray="{dash}"' if dash else ""
        return f'<polyline points="{coords}" fill="none" stroke="{colour}" stroke-width="2"{extra}/>'

    out.append(polyline(reference, "#999", "6,4"))
    out.append(polyline(points, "#1f6fd1"))
    for n, ms in points:
        out.append(f'<circle cx="{px(n):.1f}" cy="{py(ms):.1f}" r="3.5" fill="#1f6fd1"/>')
        out.append(f'<text x="{px(n) + 6:.1f}" y="{py(ms) - 6:.1f}">{ms:g}</text>')
    out.append(f'<line x1="{LEFT + 10}" y1="{TOP + 12}" x2="{LEFT + 40}" y2="{TOP + 12}" stroke="#1f6fd1" stroke-width="2"/>')
    out.append(f'<text x="{LEFT + 46}" y="{TOP + 16}">measured (median ms)</text>')
    out.append(f'<line x1="{LEFT + 10}" y1="{TOP + 30}" x2="{LEFT + 40}" y2="{TOP + 30}" stroke="#999" '
               'stroke-width="2" stroke-dasharray="6,4"/>')
    out.append(f'<text x="{LEFT + 46}" y="{TOP + 34}">linear growth from the first point</text>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    points = read_points(sys.argv[1])
    if len(points) < 2:
        sys.exit(f"no scaling figures in {sys.argv[1]}")
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        out.write(svg(points))
    print(f"written: {sys.argv[2]}")


if __name__ == "__main__":
    main()
