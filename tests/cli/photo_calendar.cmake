# Writes OUT: the calendar SAMPLE with June's big picture replaced by PHOTO,
# with week numbers beside its grids (January has six week rows) and the
# moon's phases.
file(READ ${SAMPLE} text)
string(REPLACE "sunshine3.gif\t" "${PHOTO}\t" text "${text}")
string(REPLACE "\n0\tCountry\n" "\n0\t0\t\t0\t1\tCountry, FirstWeekday, Region, MarkDaysOff, WeekNumbers\n"
       text "${text}")
string(REPLACE "\n1\tFullMoons\n" "\n1\t1\tFullMoons, MoonPhases\n" text "${text}")
file(WRITE ${OUT} "${text}")
