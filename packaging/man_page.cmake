# Writes one gzipped man page from a program's --help and --version, so the
# page never drifts from the program.
#   cmake -DPROGRAM=path -DNAME=text -DOUTPUT=page.1.gz
#         [-DINCLUDES=a.h2m;b.h2m] [-DCOMMANDS_SCRIPT=man_commands.sh] -P man_page.cmake
# The help is read with HOME set to "~" so a default path under the home
# folder reads as it would for any user, not as the builder's.
set(ENV{HOME} "~")
unset(ENV{XDG_DATA_HOME})
string(REGEX REPLACE "\\.gz$" "" page "${OUTPUT}")

set(include_args)
foreach(include IN LISTS INCLUDES)
  list(APPEND include_args "--include=${include}")
endforeach()
if(COMMANDS_SCRIPT)
  execute_process(COMMAND bash "${COMMANDS_SCRIPT}" "${PROGRAM}" "${page}.commands"
                  COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND include_args "--include=${page}.commands")
endif()

execute_process(COMMAND help2man --no-info --section=1 "--name=${NAME}" ${include_args}
                        "--output=${page}" "${PROGRAM}"
                COMMAND_ERROR_IS_FATAL ANY)
# -n: no name or time stamp in the archive, the same page gives the same bytes.
execute_process(COMMAND gzip -9nf "${page}" COMMAND_ERROR_IS_FATAL ANY)
