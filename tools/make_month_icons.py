#!/usr/bin/env python3
"""Writes the twelve month buttons of the toolbar, resources/icons/month_01.svg
to month_12.svg: a calendar leaf with the month's number. The digits are
stroked paths, so the buttons look the same whatever fonts a machine has.
Usage: tools/make_month_icons.py (from the repository root)."""

from pathlib import Path

# Each digit in a box 5 wide and 9 high (y down), drawn as one stroke.
DIGITS = {
    "0": "M2.5 0C0.8 0 0 2 0 4.5S0.8 9 2.5 9 5 7 5 4.5 4.2 0 2.5 0Z",
    "1": "M0.4 2L2.9 0V9",
    "2": "M0.2 2.3C0.5 0.8 1.4 0 2.6 0 4 0 4.9 1 4.9 2.4 4.9 3.9 3.8 5 0 9H5.1",
    "3": "M0.3 1.1C0.9 0.4 1.7 0 2.6 0 4 0 4.8 0.9 4.8 2.2 4.8 3.5 3.8 4.3 2.2 4.3 4 4.3 5 5.3 5 6.6 5 8.1 3.9 9 2.5 9 1.4 9 0.6 8.5 0 7.7",
    "4": "M3.7 9V0L0 6.3H5.2",
    "5": "M4.7 0H0.9L0.5 4.1C1.1 3.6 1.8 3.4 2.6 3.4 4 3.4 5 4.5 5 6.1 5 7.9 3.9 9 2.4 9 1.4 9 0.6 8.6 0 7.8",
    "6": "M4.4 0.6C3.9 0.2 3.3 0 2.6 0 0.9 0 0 2 0 5.1 0 7.7 1 9 2.5 9 4 9 5 7.9 5 6.2 5 4.6 4 3.5 2.6 3.5 1.3 3.5 0.4 4.3 0 5.4",
    "7": "M0 0H5C3.4 2.4 2.2 5.3 1.7 9",
    "8": "M2.5 4.1C1.1 4.1 0.4 3.3 0.4 2.1 0.4 0.8 1.3 0 2.5 0S4.6 0.8 4.6 2.1 3.9 4.1 2.5 4.1C1 4.1 0 5 0 6.5S1.1 9 2.5 9 5 8 5 6.5 4 4.1 2.5 4.1Z",
    "9": "M0.6 8.4C1.1 8.8 1.7 9 2.4 9 4.1 9 5 7 5 3.9 5 1.3 4 0 2.5 0 1 0 0 1.1 0 2.8 0 4.4 1 5.5 2.4 5.5 3.7 5.5 4.6 4.7 5 3.6",
}
WIDTH = {"1": 3.3}  # a narrow one keeps "11" together
GAP = 1.6

TEMPLATE = """<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">
  <rect x="3.5" y="4.5" width="17" height="17" rx="2" fill="#ffffff" stroke="#4a5260"/>
  <path d="M3.5 9.5V6.5a2 2 0 0 1 2-2h13a2 2 0 0 1 2 2V9.5Z" fill="#d0463b" stroke="#4a5260"/>
  <rect x="7" y="2.5" width="2" height="4.5" rx="1" fill="#4a5260"/>
  <rect x="15" y="2.5" width="2" height="4.5" rx="1" fill="#4a5260"/>
  <g fill="none" stroke="#1f2a38" stroke-width="{stroke}" stroke-linecap="round" stroke-linejoin="round">
{digits}
  </g>
</svg>
"""


def digit_group(number):
    text = str(number)
    widths = [WIDTH.get(c, 5.0) for c in text]
    total = sum(widths) + GAP * (len(text) - 1)
    x = 12 - total / 2
    parts = []
    for c, w in zip(text, widths):
        # The narrow "1" is drawn in its own box, shifted left to sit centred.
        dx = x - (0.1 if c == "1" else 0)
        parts.append(f'    <path transform="translate({dx:.2f} 11.1)" d="{DIGITS[c]}"/>')
        x += w + GAP
    return "\n".join(parts)


def main():
    out = Path(__file__).resolve().parent.parent / "resources" / "icons"
    out.mkdir(parents=True, exist_ok=True)
    for month in range(1, 13):
        svg = TEMPLATE.format(stroke="1.7", digits=digit_group(month))
        (out / f"month_{month:02d}.svg").write_text(svg)


if __name__ == "__main__":
    main()
