# Debian packages made with CPack (cpack -G DEB in a build configured with the prefix /usr), one a
# component: the runtime libraries and the plug-in, the development files, and the reference
# client. Each names the Debian packages it needs, found by dpkg-shlibdeps where it can.
set(CPACK_PACKAGE_NAME nuvinfo)
set(CPACK_PACKAGE_VENDOR "NUVInfo developers")
set(CPACK_PACKAGE_CONTACT "NUVInfo maintainers <maintainers@nuvinfo.example.org>")
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime development client)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libnuvinfo${NUV_SOVERSION})
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libnuvinfo-dev)
set(CPACK_DEBIAN_CLIENT_PACKAGE_NAME nuvclient)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE nuvinfo)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The project's own libraries, which no installed package provides yet; the packages' own
# dependencies on each other name them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/platform
    ${PROJECT_BINARY_DIR}/hostlib ${PROJECT_BINARY_DIR}/view/qt)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

# Each description: the summary, then the text under it.
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "user details plug-in of an instant-messaging client
The plug-in, libnuvinfo.so in a folder of its own, with the libraries it
runs on: libwinport, a headless stand-in for the Windows user interface, MFC
and COM, and libnuvhost, the host's libraries.")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers)

set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "user details plug-in: files to build a host with
The headers of the platform, the host interfaces and the host library, their
link names, a CMake package (find_package(NUVInfo)) and pkg-config files,
which also give the path of the plug-in.")
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS runtime)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)

set(CPACK_COMPONENT_CLIENT_DESCRIPTION "reference client of the user details plug-in
nuvclient loads the plug-in and opens its details windows headless, on the
desktop (Qt 6) or into pictures; it runs automation scripts over them and
exports vCards. Its sample users are kept in SQLite, beside an emulated
directory service.")
set(CPACK_COMPONENT_CLIENT_DEPENDS runtime)
set(CPACK_DEBIAN_CLIENT_PACKAGE_SECTION net)
# Its library of the Qt view lies where the loader looks, too.
set(CPACK_DEBIAN_CLIENT_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers)
# The country and language tables are read at run time; the desktop window wants the X11
# platform of Qt and the font it draws with.
set(CPACK_DEBIAN_CLIENT_PACKAGE_DEPENDS iso-codes)
set(CPACK_DEBIAN_CLIENT_PACKAGE_RECOMMENDS "qt6-qpa-plugins, fonts-dejavu-core")

# Every package has its copyright and changelog in its own documentation folder.
configure_file(packaging/changelog.in changelog @ONLY)
nuv_gzip(changelog)
foreach(component ${CPACK_COMPONENTS_ALL})
    string(TOUPPER ${component} upper)
    install(FILES packaging/copyright ${PROJECT_BINARY_DIR}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_DEBIAN_${upper}_PACKAGE_NAME}
            COMPONENT ${component})
endforeach()

include(CPack)
