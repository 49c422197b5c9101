# Writes OUT: the calendar SAMPLE with June's big picture replaced by PHOTO,
# with week numbers beside its grids (January has six week rows) and the
# moon's phases, and, when START_MONTH is given, starting in that month (1..12).
file(READ ${SAMPLE} text)
string(REPLACE "sunshine3.gif\t" "${PHOTO}\t" text "${text}")
string(REPLACE "\n0\tCountry\n" "\n0\t0\t\t0\t1\tCountry, FirstWeekday, Region, MarkDaysOff, WeekNumbers\n"
       text "${text}")
string(REPLACE "\n1\tFullMoons\n" "\n1\t1\tFullMoons, MoonPhases\n" text "${text}")
if(DEFINED START_MONTH)
  string(REGEX REPLACE "\n([0-9]+)\tYear\n" "\n\\1\t${START_MONTH}\tYear, StartMonth\n" text "${text}")
endif()
file(WRITE ${OUT} "${text}")
