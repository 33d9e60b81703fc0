# Installation under /usr and the Debian package built by CPack. scripts/package turns this on;
# other builds skip the manual pages and the tools they need.
option(ORBELO_PACKAGE "Install rules, manual pages and the Debian package" OFF)
if(NOT ORBELO_PACKAGE)
  return()
endif()

include(GNUInstallDirs)
set(ORBELO_APP_ID ar.orbelo.Orbelo)
set(orbelo_data ${PROJECT_SOURCE_DIR}/packaging)
set(orbelo_made ${PROJECT_BINARY_DIR}/packaging)
set(orbelo_docdir ${CMAKE_INSTALL_DATADIR}/doc/orbelo)

find_program(HELP2MAN help2man REQUIRED)
find_program(LOCALEDEF localedef REQUIRED)
find_program(GZIP gzip REQUIRED)
find_program(SED sed REQUIRED)

# help2man writes its headings in Spanish only under a Spanish locale; a private one is built
# here so the build machine's own locales do not matter.
set(orbelo_locale ${orbelo_made}/locale/es_ES.UTF-8)
add_custom_command(OUTPUT ${orbelo_locale}/LC_CTYPE
  COMMAND ${CMAKE_COMMAND} -E make_directory ${orbelo_made}/locale
  COMMAND ${LOCALEDEF} --inputfile=es_ES --charmap=UTF-8 ${orbelo_locale}
  COMMENT "Locale es_ES.UTF-8 para help2man"
  VERBATIM)

# orbelo_manual_page(PROGRAM NAME_LINE): PROGRAM.1.gz from its --help and its PROGRAM.h2m.
function(orbelo_manual_page program name_line)
  set(page ${orbelo_made}/${program}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E env LOCPATH=${orbelo_made}/locale
      ${HELP2MAN} --locale=es_ES.UTF-8 --no-info --no-discard-stderr
        --version-string=${PROJECT_VERSION} --name=${name_line}
        --include=${orbelo_data}/${program}.h2m --output=${page} $<TARGET_FILE:${program}>
    COMMAND ${SED} -i -f ${orbelo_data}/synopsis.sed ${page}
    COMMAND ${GZIP} -9nf ${page}
    DEPENDS ${program} ${orbelo_data}/${program}.h2m ${orbelo_data}/synopsis.sed ${orbelo_locale}/LC_CTYPE
    COMMENT "Página de manual de ${program}"
    VERBATIM)
endfunction()
orbelo_manual_page(orbelo "prueba impresores fiscales argentinos en un puerto serie")
orbelo_manual_page(orbelo-virtual-printer "impresor fiscal virtual en un pseudoterminal")

configure_file(${orbelo_data}/${ORBELO_APP_ID}.metainfo.xml ${orbelo_made}/${ORBELO_APP_ID}.metainfo.xml @ONLY)
configure_file(${orbelo_data}/changelog ${orbelo_made}/changelog @ONLY)
add_custom_command(OUTPUT ${orbelo_made}/changelog.gz
  COMMAND ${GZIP} -9nkf ${orbelo_made}/changelog
  DEPENDS ${orbelo_made}/changelog
  VERBATIM)

add_custom_target(orbelo_package_files ALL DEPENDS
  ${orbelo_made}/orbelo.1.gz ${orbelo_made}/orbelo-virtual-printer.1.gz ${orbelo_made}/changelog.gz)

install(TARGETS orbelo orbelo-virtual-printer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${orbelo_data}/${ORBELO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${orbelo_made}/${ORBELO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${orbelo_data}/${ORBELO_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
get_property(orbelo_icon_pngs GLOBAL PROPERTY ORBELO_ICON_PNGS)
foreach(png IN LISTS orbelo_icon_pngs)
  get_filename_component(size ${png} NAME_WE)
  install(FILES ${png} RENAME ${ORBELO_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${orbelo_made}/orbelo.1.gz ${orbelo_made}/orbelo-virtual-printer.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${orbelo_data}/copyright ${orbelo_made}/changelog.gz
  DESTINATION ${orbelo_docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orbelo maintainers <maintainers@users.noreply.c-seed-6f870aea.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a Qt platform plugin at run time, which no library link reveals.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own words (the question boxes' buttons, the file dialog) in the system's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fiscal printer tester / prueba de impresores fiscales")
file(READ ${orbelo_data}/description CPACK_DEBIAN_PACKAGE_DESCRIPTION)
include(CPack)
