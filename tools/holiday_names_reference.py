#!/usr/bin/python3
"""Writes tests/data/holiday_names_reference.tsv: the names python-holidays gives the
public holidays of Tessolar's countries, as written in that country's language, for a
few years. The generator tests compare the names Tessolar enters on the same dates.

Debian package needed to run it: python3-holidays (0.10.1 in Debian 12).

    /usr/bin/python3 tools/holiday_names_reference.py [--out tests/data/holiday_names_reference.tsv]

Each region's holidays are the union over its provinces or states, since Tessolar's lists
carry provincial days too; New Zealand's, Spain's, France's, the Netherlands', Italy's and Austria's
are the national ones. Ireland is left out: this version gives it the United Kingdom's rules
and names (Boxing Day, no St Brigid's Day); so is Belgium, whose names this version gives in
Dutch only, a page language Tessolar's tables do not hold yet. Observed (moved) days and the
eves of Jewish festivals are left out; their names are not what a calendar prints on the day
itself. Mexico's names come as "Spanish [English]"; the Spanish part is kept. France,
the Netherlands and Italy leave out their Easter-based days, which Tessolar names in the
page's language, and none of its tables speaks theirs yet. Israel adds the Jewish
festivals, in English, since Tessolar names them alike in every country and language.
"""

import argparse
import pathlib

import holidays

YEARS = (1981, 2005, 2019)  # before and after Canada Day; Mexico's fixed and moved dates
EASTER_BASED = {"Lundi de Pâques", "Ascension", "Lundi de Pentecôte", "Eerste paasdag",
                "Tweede paasdag", "Hemelvaart", "Eerste Pinksterdag", "Tweede Pinksterdag",
                "Pasqua di Resurrezione", "Lunedì dell'Angelo"}


def union(make, regions):
    """Date -> set of names over the given provinces or states (None: the country as a whole)."""
    days = {}
    entered = holidays.HolidayBase.__setitem__

    # The library joins the names of one date with ", ", which some names hold
    # themselves; each name is taken as it is entered instead.
    def record(calendar, key, name):
        day = calendar.__keytransform__(key)
        if day.year in YEARS:
            days.setdefault(day, set()).add(name)
        entered(calendar, key, name)

    holidays.HolidayBase.__setitem__ = record
    try:
        for region in regions:
            for year in YEARS:
                make(region, year)
    finally:
        holidays.HolidayBase.__setitem__ = entered
    return days


def by_province(cls):
    return lambda prov, year: cls(prov=prov, years=year, expand=False)


def by_state(cls):
    return lambda state, year: cls(state=state, years=year, expand=False)


def whole(cls):
    return lambda _, year: cls(years=year, expand=False)


def spanish_part(name):
    return name.split(" [")[0]


def not_easter_based(name):
    return None if name in EASTER_BASED else name


# Region code: sources, each (date -> names, name filter or transform).
def sources():
    uk_parts = [holidays.England, holidays.Wales, holidays.Scotland, holidays.NorthernIreland]
    return {
        "US": [(union(by_state(holidays.US), [None]), None)],
        "IL": [(union(whole(holidays.Israel), [None]), None)],
        "CA": [(union(by_province(holidays.CA), holidays.CA.PROVINCES), None)],
        "GB": [(union(whole(part), [None]), None) for part in uk_parts],
        "AU": [(union(by_province(holidays.AU), holidays.AU.PROVINCES), None)],
        "MX": [(union(whole(holidays.MX), [None]), spanish_part)],
        "ES": [(union(whole(holidays.ES), [None]), None)],
        "DE": [(union(by_province(holidays.DE), [None] + holidays.DE.PROVINCES), None)],
        "NZ": [(union(whole(holidays.NZ), [None]), None)],
        "FR": [(union(whole(holidays.France), [None]), not_easter_based)],
        "NL": [(union(whole(holidays.Netherlands), [None]), not_easter_based)],
        "IT": [(union(whole(holidays.Italy), [None]), not_easter_based)],
        "AT": [(union(whole(holidays.Austria), [None]), None)],
    }


def kept(name):
    return "(Observed)" not in name and " - " not in name


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", default="tests/data/holiday_names_reference.tsv")
    out = pathlib.Path(parser.parse_args().out)
    rows = set()
    for region, parts in sources().items():
        for days, transform in parts:
            for day, names in days.items():
                for name in names:
                    name = transform(name) if transform else name
                    if name and kept(name):
                        rows.add((region, day.isoformat(), name))
    with out.open("w", encoding="utf-8") as f:
        f.write(f"# Holiday names by python-holidays {holidays.__version__} (Debian package\n"
                "# python3-holidays), written by tools/holiday_names_reference.py.\n"
                "# Region, date, name.\n")
        for row in sorted(rows):
            f.write("\t".join(row) + "\n")


if __name__ == "__main__":
    main()
