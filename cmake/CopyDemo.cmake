# Copies the demo program folder without overwriting what the program has since written there
# (its settings file, saved margins, printed files).
# The settings file, when it is laid out for the first time, gets this program folder as the
# orders folder ("Path") and JAVA_DIR, the folder of the java the build found, as the Java folder
# ("Java"), so the printer-parameters dialog accepts the demo settings as they are.
file(GLOB_RECURSE entries RELATIVE ${SRC} ${SRC}/*)
foreach(entry ${entries})
  if(NOT EXISTS ${DST}/${entry})
    get_filename_component(dir ${DST}/${entry} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SRC}/${entry} ${DST}/${entry})
    if(entry STREQUAL "Pendrova.ini")
      # file(READ) drops the carriage returns; the file goes back with the workstation's CR LF.
      file(READ ${DST}/${entry} ini)
      string(REGEX REPLACE "\nPath=[^\n]*" "\nPath=${DST}" ini "${ini}")
      if(JAVA_DIR)
        string(REGEX REPLACE "\nJava=[^\n]*" "\nJava=${JAVA_DIR}" ini "${ini}")
      endif()
      string(REPLACE "\n" "\r\n" ini "${ini}")
      file(WRITE ${DST}/${entry} "${ini}")
    endif()
  endif()
endforeach()
