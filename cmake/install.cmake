# Installation and the Debian package. The program reads its word lists from the folder of its
# executable, so both go to a private folder, and bin/ gets a link to the executable.

include(GNUInstallDirs)

set(ROWSMITH_PRIVATE_DIR "${CMAKE_INSTALL_LIBDIR}/rowsmith")

install(TARGETS rowsmith RUNTIME DESTINATION "${ROWSMITH_PRIVATE_DIR}")
install(FILES ${ROWSMITH_WORDLIST_FILES} DESTINATION "${ROWSMITH_PRIVATE_DIR}")

file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/launcher")
file(CREATE_LINK "../${ROWSMITH_PRIVATE_DIR}/rowsmith" "${CMAKE_CURRENT_BINARY_DIR}/launcher/rowsmith"
     SYMBOLIC)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/launcher/rowsmith" DESTINATION "${CMAKE_INSTALL_BINDIR}")

set(ROWSMITH_APP_ID "org.example.Rowsmith")
install(FILES resources/desktop/${ROWSMITH_APP_ID}.desktop
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES resources/desktop/${ROWSMITH_APP_ID}.metainfo.xml
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
foreach(size 32 64 128)
    install(FILES resources/icons/rowsmith-${size}.png
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME ${ROWSMITH_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rowsmith)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Rowsmith developers <rowsmith@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Data generator for databases.")
set(CPACK_PACKAGE_DESCRIPTION
    "Rowsmith fills a database table with test data and exports it as an SQL script of INSERT statements or as an XML document.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION database)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/rowsmith")
include(CPack)
