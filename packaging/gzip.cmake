# Compresses a file as Debian wants its documentation compressed: at the highest level, and
# without the file's name and time, so the same text always gives the same bytes.
# usage: cmake -DINPUT=FILE -DOUTPUT=FILE.gz -P gzip.cmake
execute_process(COMMAND gzip -9 -n -c INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT}
                COMMAND_ERROR_IS_FATAL ANY)
