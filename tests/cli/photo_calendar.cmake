# Writes OUT: the calendar SAMPLE with June's big picture replaced by PHOTO
# and, when START_MONTH is given, starting in that month (1..12).
file(READ ${SAMPLE} text)
string(REPLACE "sunshine3.gif\t" "${PHOTO}\t" text "${text}")
if(DEFINED START_MONTH)
  string(REGEX REPLACE "\n([0-9]+)\tYear\n" "\n\\1\t${START_MONTH}\tYear, StartMonth\n" text "${text}")
endif()
file(WRITE ${OUT} "${text}")
