#!/usr/bin/python3
"""Writes tests/data/moon_phases_1900_2100.tsv: every new moon, first quarter,
full moon and last quarter of 1900..2100 in Universal Time to the minute, from
PyEphem (Debian's python3-ephem), whose lunar theory is independent of the
lunation series the program uses.

    /usr/bin/python3 tools/moon_phase_reference.py > tests/data/moon_phases_1900_2100.tsv
"""

import datetime

import ephem

FIRST_YEAR, LAST_YEAR = 1900, 2100
PHASES = (("new", ephem.next_new_moon), ("first", ephem.next_first_quarter_moon),
          ("full", ephem.next_full_moon), ("last", ephem.next_last_quarter_moon))


def main():
    print("# The moon's phases %d..%d, Universal Time to the minute." % (FIRST_YEAR, LAST_YEAR))
    print("# Source: PyEphem %s (libastro), written by tools/moon_phase_reference.py." %
          ephem.__version__)
    instants = []
    start, end = ephem.Date("%d/1/1" % FIRST_YEAR), ephem.Date("%d/1/1" % (LAST_YEAR + 1))
    for name, following in PHASES:
        moment = start
        while True:
            moment = following(moment)
            if moment >= end:
                break
            # Rounded to the minute, as the table is read.
            instants.append((moment.datetime() + datetime.timedelta(seconds=30), name))
    for moment, name in sorted(instants):
        print("%s\t%s" % (moment.strftime("%Y-%m-%d %H:%M"), name))


if __name__ == "__main__":
    main()
