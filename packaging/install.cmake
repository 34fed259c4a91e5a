# Installs the program as a desktop application (the binary, its launcher, its icon in every
# usual size, its software-centre metadata, its manual pages in English and Czech, its copyright
# and changelog) and builds the Debian package:
#   cmake --install BUILD [--prefix DIR]      cmake --build BUILD --target package
# The package proper is built with the hardening of packaging/package-build.cmake (package.sh).
include(GNUInstallDirs)

# Whatever the umask of the one who installs, as a Debian package's directories must be.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(platomer_packaging ${CMAKE_CURRENT_LIST_DIR})
set(platomer_metainfo_file ${platomer_packaging}/platomer.metainfo.xml)

# The metainfo is the one home of the application id, the summary and the version (its newest
# release comes first).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${platomer_metainfo_file})
file(READ ${platomer_metainfo_file} platomer_metainfo)
string(REGEX MATCH "<id>([^<]+)</id>" platomer_match "${platomer_metainfo}")
set(PLATOMER_APP_ID ${CMAKE_MATCH_1})
string(REGEX MATCH "<summary>([^<]+)</summary>" platomer_match "${platomer_metainfo}")
set(PLATOMER_SUMMARY ${CMAKE_MATCH_1})
string(REGEX MATCH "<release version=\"([^\"]+)\" date=\"([^\"]+)\"" platomer_match
       "${platomer_metainfo}")
set(PLATOMER_VERSION ${CMAKE_MATCH_1})
set(PLATOMER_RELEASE_DATE ${CMAKE_MATCH_2})
if(NOT PLATOMER_APP_ID OR NOT PLATOMER_SUMMARY OR NOT PLATOMER_VERSION)
  message(FATAL_ERROR
          "${platomer_metainfo_file}: no <id>, <summary> or <release version=... date=...>")
endif()
set(platomer_maintainer "Platomer vývoj <p@p.example>")

# The hicolor sizes a desktop looks for; the SVG serves every other size.
set(PLATOMER_ICON_SIZES 16 22 24 32 48 64 128 256)

if(TARGET platomer)
  target_compile_definitions(platomer PRIVATE PLATOMER_DESKTOP_ID="${PLATOMER_APP_ID}")

  install(TARGETS platomer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The launcher names the years of the program's own list and has an action for each.
  add_executable(platomer-launcher ${PROJECT_SOURCE_DIR}/tools/launcher/main.cpp)
  target_link_libraries(platomer-launcher PRIVATE platomer_core)
  set(platomer_desktop ${CMAKE_CURRENT_BINARY_DIR}/platomer.desktop)
  add_custom_command(OUTPUT ${platomer_desktop}
    COMMAND platomer-launcher ${platomer_packaging}/platomer.desktop.in ${platomer_desktop}
    DEPENDS platomer-launcher ${platomer_packaging}/platomer.desktop.in
    COMMENT "Writing the launcher with the actions of the years")
  add_custom_target(platomer_launcher ALL DEPENDS ${platomer_desktop})
  install(FILES ${platomer_desktop}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${PLATOMER_APP_ID}.desktop)
  install(FILES ${platomer_metainfo_file}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME ${PLATOMER_APP_ID}.metainfo.xml)
  set(platomer_hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${platomer_packaging}/platomer.svg DESTINATION ${platomer_hicolor}/scalable/apps)

  # The PNG sizes are rendered from the SVG at build time, so the picture has one source.
  find_program(PLATOMER_RSVG_CONVERT rsvg-convert)
  if(PLATOMER_RSVG_CONVERT)
    set(platomer_pngs)
    foreach(size IN LISTS PLATOMER_ICON_SIZES)
      set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/platomer.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${PLATOMER_RSVG_CONVERT} --width ${size} --height ${size} --output ${png}
                ${platomer_packaging}/platomer.svg
        DEPENDS ${platomer_packaging}/platomer.svg
        COMMENT "Rendering the ${size}x${size} icon")
      install(FILES ${png} DESTINATION ${platomer_hicolor}/${size}x${size}/apps)
      list(APPEND platomer_pngs ${png})
    endforeach()
    add_custom_target(platomer_icons ALL DEPENDS ${platomer_pngs})
  else()
    message(WARNING "rsvg-convert (package librsvg2-bin) not found: the icon is installed as SVG only")
  endif()

  # The documentation Debian asks of every package, compressed as it wants it: the manual pages
  # (their version and date are the newest release's), the changelog written from the metainfo's
  # releases, and the copyright in the machine-readable format.
  set(platomer_doc_dir ${CMAKE_CURRENT_BINARY_DIR}/doc)
  set(platomer_docs)
  foreach(lang IN ITEMS en cs)
    set(suffix .${lang})
    set(man_dir ${CMAKE_INSTALL_MANDIR}/${lang}/man1)
    if(lang STREQUAL "en")
      set(suffix "")
      set(man_dir ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
    configure_file(${platomer_packaging}/platomer${suffix}.1.in ${platomer_doc_dir}/${lang}/platomer.1
                   @ONLY)
    set(page ${platomer_doc_dir}/${lang}/platomer.1.gz)
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${platomer_doc_dir}/${lang}/platomer.1 -DOUTPUT=${page}
              -P ${platomer_packaging}/gzip.cmake
      DEPENDS ${platomer_doc_dir}/${lang}/platomer.1 ${platomer_packaging}/gzip.cmake
      COMMENT "Compressing the manual page (${lang})" VERBATIM)
    install(FILES ${page} DESTINATION ${man_dir})
    list(APPEND platomer_docs ${page})
  endforeach()
  set(changelog ${platomer_doc_dir}/changelog)
  add_custom_command(OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -DMETAINFO=${platomer_metainfo_file} -DPACKAGE=platomer
            -DMAINTAINER=${platomer_maintainer} -DOUTPUT=${changelog}
            -P ${platomer_packaging}/changelog.cmake
    COMMAND ${CMAKE_COMMAND} -DINPUT=${changelog} -DOUTPUT=${changelog}.gz
            -P ${platomer_packaging}/gzip.cmake
    DEPENDS ${platomer_metainfo_file} ${platomer_packaging}/changelog.cmake
            ${platomer_packaging}/gzip.cmake
    COMMENT "Writing the changelog from the metainfo's releases" VERBATIM)
  list(APPEND platomer_docs ${changelog}.gz)
  add_custom_target(platomer_docs ALL DEPENDS ${platomer_docs})
  # A native package: its changelog is changelog.gz, not changelog.Debian.gz.
  set(platomer_doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/platomer)
  install(FILES ${changelog}.gz ${platomer_packaging}/copyright DESTINATION ${platomer_doc})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME platomer)
set(CPACK_PACKAGE_VERSION ${PLATOMER_VERSION})
set(CPACK_PACKAGE_VENDOR "Platomer vývoj")
set(CPACK_PACKAGE_CONTACT ${platomer_maintainer})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PLATOMER_SUMMARY})
# Debian shows the lines as they are, so none is longer than 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Gross to net, net to gross and the part of a net wage that a garnishment
cannot take, under the Czech rules in force from 1 January 2023. The program
speaks Czech.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://p.example/)
# The libraries come from the linked binary; the rest is loaded at run time: the platform plugin
# that opens the window (only recommended by Qt itself), Qt's Czech texts and the window's font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")
include(CPack)
