# Which side of the program a source file belongs to, decided in one place for the sources, the
# tests and the fuzz targets by its folder: the windows (windows/) and the Qt implementations of the
# core's services (platform/) are the GUI side and link Qt; every other folder is the Qt-free core.
# A test file belongs to the side of the unit it tests, whose folder it mirrors.
function(mevrolin_is_gui file out)
  if(file MATCHES "^(windows|platform)/")
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

# Splits the files matching pattern below folder into core and GUI lists, leaving out the
# program entry (windows/main.cpp).
function(mevrolin_split folder pattern core_out gui_out)
  file(GLOB_RECURSE all CONFIGURE_DEPENDS "${folder}/${pattern}")
  set(core)
  set(gui)
  foreach(f IN LISTS all)
    file(RELATIVE_PATH rel "${folder}" "${f}")
    if(rel STREQUAL "windows/main.cpp")
      continue()
    endif()
    mevrolin_is_gui("${rel}" is_gui)
    if(is_gui)
      list(APPEND gui "${f}")
    else()
      list(APPEND core "${f}")
    endif()
  endforeach()
  set(${core_out} ${core} PARENT_SCOPE)
  set(${gui_out} ${gui} PARENT_SCOPE)
endfunction()
