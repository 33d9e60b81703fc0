# On Windows orbelo.exe is a window program (no console of its own) with the icon and a version
# resource; the icon file is made from the largest PNG that Icon.cmake renders.
if(CMAKE_HOST_WIN32)
  # Windows has a convert.exe of its own that turns disks to NTFS.
  find_program(MAGICK magick REQUIRED)
else()
  find_program(MAGICK NAMES magick convert REQUIRED)
endif()

set(ORBELO_ICO ${CMAKE_CURRENT_BINARY_DIR}/icons/orbelo.ico)
add_custom_command(OUTPUT ${ORBELO_ICO}
  COMMAND ${MAGICK} ${CMAKE_CURRENT_BINARY_DIR}/icons/256.png -define icon:auto-resize=256,48,32,16 ${ORBELO_ICO}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/icons/256.png
  COMMENT "Icono de Windows"
  VERBATIM)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/orbelo.rc.in ${CMAKE_CURRENT_BINARY_DIR}/orbelo.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/orbelo.rc PROPERTIES OBJECT_DEPENDS ${ORBELO_ICO})
target_sources(orbelo PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/orbelo.rc)
set_target_properties(orbelo PROPERTIES WIN32_EXECUTABLE ON)
