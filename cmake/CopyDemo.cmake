# Copies the demo program folder without overwriting what the program has since written there
# (its settings file, saved margins, printed files).
file(GLOB_RECURSE entries RELATIVE ${SRC} ${SRC}/*)
foreach(entry ${entries})
  if(NOT EXISTS ${DST}/${entry})
    get_filename_component(dir ${DST}/${entry} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SRC}/${entry} ${DST}/${entry})
  endif()
endforeach()
