# cmake -DFIRST=a -DSECOND=b -DOUTPUT=c -P Concatenate.cmake: c holds a followed by b.
file(READ ${FIRST} first)
file(READ ${SECOND} second)
file(WRITE ${OUTPUT} "${first}${second}")
