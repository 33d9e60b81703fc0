# Stops the build when a file under SOURCE_DIR includes a file of another folder there that the
# folder's rows in TABLE do not allow, or when a folder with files has no row; then touches STAMP.
#   cmake -D SOURCE_DIR=src -D TABLE=src/layers.txt -D STAMP=layers.stamp -P CheckLayers.cmake
# Includes are read as text, "..." and <...> alike, so a header-only use is caught too.

cmake_minimum_required(VERSION 3.25)
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
file(STRINGS "${TABLE}" rows REGEX "^[ \t]*[^# \t]")
set(folders)
foreach(row IN LISTS rows)
  string(STRIP "${row}" row)
  string(REGEX REPLACE "[ \t]+" ";" row "${row}")
  list(POP_FRONT row folder)
  list(APPEND folders "${folder}")
  list(APPEND "may_${folder}" ${row})
endforeach()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
# Every header by its bare name, to catch one reached through another folder's include directory.
foreach(source IN LISTS sources)
  if(source MATCHES "\\.h$")
    get_filename_component(name "${source}" NAME)
    list(APPEND "where_${name}" "${source}")
  endif()
endforeach()

set(problems)
foreach(source IN LISTS sources)
  get_filename_component(folder "${source}" DIRECTORY)
  if(NOT folder IN_LIST folders)
    list(APPEND problems "src/${folder}/ has no row in ${TABLE}")
    list(APPEND folders "${folder}")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]*)[\">].*" "\\1" included "${line}")
    get_filename_component(dir "${included}" DIRECTORY)
    if(dir STREQUAL "")
      # A bare name is the folder's own header, a generated or a system one; another folder's
      # header by its bare name compiles only through that folder's include directory.
      if(line MATCHES "\"" AND NOT EXISTS "${SOURCE_DIR}/${folder}/${included}" AND DEFINED "where_${included}")
        list(APPEND problems "src/${source}: \"${included}\" is another folder's (${where_${included}}): include it by its path")
      endif()
    elseif(dir STREQUAL folder OR dir IN_LIST "may_${folder}" OR included IN_LIST "may_${folder}")
    elseif(IS_DIRECTORY "${SOURCE_DIR}/${dir}")
      list(JOIN "may_${folder}" " " allowed)
      list(APPEND problems "src/${source}: ${included} (src/${folder}/ may include: ${allowed})")
    endif()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "${TABLE} does not allow these includes across the folders of src/:\n  ${text}")
endif()
file(TOUCH "${STAMP}")
