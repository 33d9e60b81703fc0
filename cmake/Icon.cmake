# Orbelo's icon: PNGs rendered from the one SVG in packaging/, built into the program as the
# window's icon and installed for the desktop menu (the GLOBAL property ORBELO_ICON_PNGS lists
# them, one per size in ORBELO_ICON_SIZES).
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

set(ORBELO_ICON_SIZES 48 128 256)
set(orbelo_icon_svg ${PROJECT_SOURCE_DIR}/packaging/ar.orbelo.Orbelo.svg)
set(orbelo_icon_pngs)
foreach(size IN LISTS ORBELO_ICON_SIZES)
  set(orbelo_icon_png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}.png)
  add_custom_command(OUTPUT ${orbelo_icon_png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons
    COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${orbelo_icon_png} ${orbelo_icon_svg}
    DEPENDS ${orbelo_icon_svg}
    COMMENT "Icono de ${size} px"
    VERBATIM)
  list(APPEND orbelo_icon_pngs ${orbelo_icon_png})
endforeach()
set_property(GLOBAL PROPERTY ORBELO_ICON_PNGS ${orbelo_icon_pngs})

qt_add_resources(orbelo "icon" PREFIX "/icons" BASE ${CMAKE_CURRENT_BINARY_DIR}/icons FILES ${orbelo_icon_pngs})
