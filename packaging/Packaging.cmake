# Installation and the Debian package.
#
# Installed layout (prefix /usr for the package):
#   bin/orvenza, bin/orvenza-render
#   share/orvenza/DATA/…, share/orvenza/orvenza.hlp, share/orvenza/orvenza-help/…
#                                                       (found from bin/ as ../share/orvenza)
#   share/applications/orvenza.desktop, share/metainfo/orvenza.metainfo.xml,
#   share/mime/packages/orvenza.xml, share/icons/hicolor/NxN/apps/orvenza.png,
#   share/man/man1/orvenza.1.gz, orvenza-render.1.gz, share/doc/orvenza/copyright, changelog.gz,
#   share/lintian/overrides/orvenza

include(GNUInstallDirs)
set(ORVENZA_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/orvenza)
set(ORVENZA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/orvenza)

install(TARGETS orvenza orvenza-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY DATA/ DESTINATION ${ORVENZA_SHARE_DIR}/DATA)
install(FILES help/orvenza.html DESTINATION ${ORVENZA_SHARE_DIR} RENAME orvenza.hlp)
install(DIRECTORY help/orvenza-help DESTINATION ${ORVENZA_SHARE_DIR})

install(FILES desktop/orvenza.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/orvenza.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES desktop/orvenza-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME orvenza.xml)
foreach(size 16 24 32 48 128 256)
  install(FILES desktop/icons/orvenza-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME orvenza.png)
endforeach()
install(FILES src/app/icons/orvenza.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)

# Manual pages and the changelog go compressed, the copyright file is assembled from the licence
# texts of the repository.
set(doc_build ${CMAKE_BINARY_DIR}/doc)
set(compressed)
foreach(source man/orvenza.1 man/orvenza-render.1 packaging/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${doc_build}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_build}
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/${source} > ${doc_build}/${name}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND compressed ${doc_build}/${name}.gz)
endforeach()
add_custom_command(OUTPUT ${doc_build}/copyright
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DOUTPUT=${doc_build}/copyright
          -P ${CMAKE_SOURCE_DIR}/packaging/MakeCopyright.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/MakeCopyright.cmake ${CMAKE_SOURCE_DIR}/LICENSE
          ${CMAKE_SOURCE_DIR}/licences/d3-celestial.txt ${CMAKE_SOURCE_DIR}/licences/erfa.txt)
add_custom_target(install_documents ALL DEPENDS ${compressed} ${doc_build}/copyright)
install(FILES ${doc_build}/orvenza.1.gz ${doc_build}/orvenza-render.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${doc_build}/copyright ${doc_build}/changelog.gz DESTINATION ${ORVENZA_DOC_DIR})
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME orvenza)

# cpack -G DEB (from the build folder): one package "orvenza". Its Depends are the shared
# libraries dpkg-shlibdeps finds, plus what the program loads at run time without linking it.
set(CPACK_PACKAGE_NAME orvenza)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Orvenza developers")
set(CPACK_PACKAGE_CONTACT "Orvenza developers <orvenza@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planisphere hat of the night sky over a town of Japan")
set(CPACK_PACKAGE_DESCRIPTION "Orvenza draws, and prints at full scale, a planisphere hat (seiza hayami
gasa): the night sky over a chosen municipality of Japan at a chosen date and
time, laid out on the flat development of a shallow paper cone. Cut out and
glued, the hat is held overhead and shows the sky as seen from inside it.
It shows stars, constellation figures and names (also the Edo-period set),
the Milky Way, Venus, Mars, Jupiter, Saturn and the Moon with its phase. The
program speaks Japanese. orvenza-render draws the same hats without a window.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_NAME orvenza)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, qt6-translations-l10n, qt6-qpa-plugins, libqt6printsupport6")
include(CPack)

# The hardening Debian builds its programs with: checked buffer functions and read-only relocations.
foreach(target orvenza_core orvenza_ui orvenza orvenza-render)
  target_compile_definitions(${target} PRIVATE $<$<CONFIG:Release>:_FORTIFY_SOURCE=2>)
endforeach()
foreach(target orvenza orvenza-render)
  target_link_options(${target} PRIVATE LINKER:-z,relro,-z,now)
endforeach()
