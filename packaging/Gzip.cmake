# cmake -DIN=<file> -DOUT=<file.gz> -P Gzip.cmake: the file compressed as Debian wants its manual
# pages and changelogs, without the name and time that would make each build's copy differ.
execute_process(COMMAND gzip -9 -n -c ${IN} OUTPUT_FILE ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${OUT})
    message(FATAL_ERROR "gzip ${IN}: ${status}")
endif()
