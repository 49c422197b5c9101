# Writes OUT: the calendar SAMPLE with June's big picture replaced by PHOTO.
file(READ ${SAMPLE} text)
string(REPLACE "sunshine3.gif\t" "${PHOTO}\t" text "${text}")
file(WRITE ${OUT} "${text}")
