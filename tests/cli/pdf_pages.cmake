# Runs COMMAND (a ;-list), which must write the PDF file PDF, then checks
# with pdfinfo (PDFINFO) that it has PAGES pages of the paper SIZE, as
# pdfinfo names it ("A4", "letter").
file(REMOVE ${PDF})
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}: ${err}")
endif()
execute_process(COMMAND ${PDFINFO} ${PDF} RESULT_VARIABLE status OUTPUT_VARIABLE info ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pdfinfo cannot read ${PDF}: ${err}")
endif()
if(NOT info MATCHES "\nPages: +${PAGES}\n" OR NOT info MATCHES "\nPage size:[^\n]*\\(${SIZE}\\)")
  message(FATAL_ERROR "expected ${PAGES} pages of ${SIZE}; pdfinfo says:\n${info}")
endif()
# CHECK, when given, is a further ;-list command that must pass on the PDF.
if(DEFINED CHECK)
  execute_process(COMMAND ${CHECK} RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${said}${err}")
  endif()
endif()
