# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Zephra as a desktop program: the programs in bin/, a menu entry, icons, AppStream metadata and
# man pages; `cpack -G DEB` (make deb) packs the same install as a Debian package.
include(GNUInstallDirs)

# The program's reverse-DNS name, from its web site zephra.example.org: the menu entry, the icon and the
# metadata are named after it, and the window tells the window system it is this entry.
set(ZEPHRA_APP_ID org.example.zephra)
set(ZEPHRA_PACKAGING ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(ZEPHRA_SUMMARY "Simulator of a binary pair of bodies under Newtonian gravity")
set(ZEPHRA_CONTACT "Zephra developers <zephra@example.org>")
# Dates of this build, or of SOURCE_DATE_EPOCH for a reproducible one.
string(TIMESTAMP ZEPHRA_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP ZEPHRA_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)

# Compresses a file as Debian and man(1) expect (no name or time stamp inside, so builds compare equal).
set(ZEPHRA_PACKED_FILES)
function(zephra_gzip input output)
  get_filename_component(folder ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND sh -c [[gzip -9n < "$0" > "$1"]] ${input} ${output}
    DEPENDS ${input}
    VERBATIM)
  set(ZEPHRA_PACKED_FILES ${ZEPHRA_PACKED_FILES} ${output} PARENT_SCOPE)
endfunction()

foreach(tool zephra zephra-batch zephra-plot)
  if(TARGET ${tool})
    install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(PROGRAMS tools/zephra-sweep DESTINATION ${CMAKE_INSTALL_BINDIR})

# The build tree's mark beside the window it builds: run from here, the window keeps data-drift.txt beside
# itself. No install copies the mark, so an installed window keeps the file in the user's data folder.
set(ZEPHRA_BUILD_TREE_MARKER zephra-build-tree)
set_property(SOURCE src/toolkit/data_folder.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS ZEPHRA_BUILD_TREE_MARKER="${ZEPHRA_BUILD_TREE_MARKER}")

if(TARGET zephra)
  target_compile_definitions(zephra PRIVATE ZEPHRA_APP_ID="${ZEPHRA_APP_ID}")
  file(GENERATE OUTPUT $<TARGET_FILE_DIR:zephra>/${ZEPHRA_BUILD_TREE_MARKER}
    CONTENT "Zephra's build tree: the window run from here keeps data-drift.txt beside itself.\n")

  configure_file(${ZEPHRA_PACKAGING}/zephra.desktop.in ${CMAKE_CURRENT_BINARY_DIR}/${ZEPHRA_APP_ID}.desktop @ONLY)
  configure_file(${ZEPHRA_PACKAGING}/zephra.metainfo.xml.in
    ${CMAKE_CURRENT_BINARY_DIR}/${ZEPHRA_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ZEPHRA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ZEPHRA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The type of run files (.zephra), which the menu entry opens: a double-click starts the window on one.
  configure_file(${ZEPHRA_PACKAGING}/zephra.mime.xml.in ${CMAKE_CURRENT_BINARY_DIR}/${ZEPHRA_APP_ID}.mime.xml @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ZEPHRA_APP_ID}.mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${ZEPHRA_APP_ID}.xml)

  # The icon in the hicolor sizes, painted by the window's own artwork code.
  set(ZEPHRA_ICON_SIZES 16 22 24 32 48 64 128 256)
  set(icon_root ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)
  set(icon_files)
  foreach(size ${ZEPHRA_ICON_SIZES})
    list(APPEND icon_files ${icon_root}/${size}x${size}/apps/${ZEPHRA_APP_ID}.png)
  endforeach()
  add_executable(zephra_render_icons ${ZEPHRA_PACKAGING}/render_icons.cpp)
  target_link_libraries(zephra_render_icons PRIVATE zephra_qt)
  # Qt's one-time allocations are no leak of the tool's; the sanitizer build would otherwise fail the build.
  add_custom_command(OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:zephra_render_icons> ${icon_root} ${ZEPHRA_APP_ID} ${ZEPHRA_ICON_SIZES}
    DEPENDS zephra_render_icons
    COMMENT "Rendering the icon in the hicolor sizes")
  add_custom_target(zephra_icons ALL DEPENDS ${icon_files})
  install(DIRECTORY ${icon_root} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

# Every page in packaging/man.
zephra_glob(ZEPHRA_MAN_PAGES ${ZEPHRA_PACKAGING}/man/*.1)
foreach(page ${ZEPHRA_MAN_PAGES})
  get_filename_component(name ${page} NAME)
  zephra_gzip(${page} ${CMAKE_CURRENT_BINARY_DIR}/man/${name}.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The copyright and changelog files Debian asks of every package.
set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/zephra)
configure_file(${ZEPHRA_PACKAGING}/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog @ONLY)
zephra_gzip(${CMAKE_CURRENT_BINARY_DIR}/doc/changelog ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz)
install(FILES ${ZEPHRA_PACKAGING}/copyright ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz DESTINATION ${doc_folder})
add_custom_target(zephra_packed_files ALL DEPENDS ${ZEPHRA_PACKED_FILES})

# The Debian package: the install above under /usr, its library needs found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zephra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${ZEPHRA_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${ZEPHRA_SUMMARY}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zephra.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# zephra-sweep is a Python 3 program; it runs its sweeps on GNU Parallel or a Slurm cluster when asked.
# dpkg-shlibdeps adds the libraries of the compiled programs to these.
set(CPACK_DEBIAN_PACKAGE_DEPENDS python3)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "parallel, slurm-client")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${ZEPHRA_PACKAGING}/description.txt)
include(CPack)
