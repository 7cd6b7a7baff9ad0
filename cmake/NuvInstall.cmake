# Install rules, in three components: "runtime" (the shared libraries and the plug-in),
# "development" (the headers, the CMake package and the pkg-config files a host builds with) and
# "client" (the reference client, its library of the Qt view, its data and the pictures of its
# windows). Installed files find each other relative to where they lie.
include(CMakePackageConfigHelpers)

# nuv_gzip(FILE) writes FILE.gz beside FILE in the build tree, without a time stamp, as Debian
# compresses manual pages and changelogs.
function(nuv_gzip file)
    execute_process(COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/${file}
                    OUTPUT_FILE ${PROJECT_BINARY_DIR}/${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endfunction()

nuv_install_path_between(plugin_to_libdir ${NUV_PLUGIN_INSTALL_DIR} ${CMAKE_INSTALL_LIBDIR})
nuv_install_path_between(bindir_to_libdir ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_LIBDIR})

# The libraries a host links: the platform, the SDK and the host library, as NUVInfo::winport,
# NUVInfo::hostsdk and NUVInfo::host.
set_target_properties(winport PROPERTIES EXPORT_NAME winport)
set_target_properties(nuv_hostsdk PROPERTIES EXPORT_NAME hostsdk)
set_target_properties(nuvhost PROPERTIES EXPORT_NAME host)
foreach(target winport nuv_hostsdk nuvhost)
    target_include_directories(${target} INTERFACE $<INSTALL_INTERFACE:${NUV_INCLUDE_INSTALL_DIR}>)
endforeach()
target_compile_features(winport INTERFACE cxx_std_20)

set(shared_libraries winport nuvhost)
if(TARGET nuvview)
    list(APPEND shared_libraries nuvview)
endif()
set_target_properties(${shared_libraries} PROPERTIES VERSION ${PROJECT_VERSION}
                      SOVERSION ${NUV_SOVERSION} INSTALL_RPATH "$ORIGIN")
set_target_properties(nuvinfo PROPERTIES INSTALL_RPATH "$ORIGIN/${plugin_to_libdir}")
set_target_properties(nuvclient PROPERTIES INSTALL_RPATH "$ORIGIN/${bindir_to_libdir}")

install(TARGETS winport nuv_hostsdk nuvhost EXPORT NUVInfoTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
        NAMELINK_COMPONENT development)
install(TARGETS nuvinfo LIBRARY DESTINATION ${NUV_PLUGIN_INSTALL_DIR} COMPONENT runtime)
# Every header a host needs, found from the includes when the install runs.
install(CODE "include(\"${PROJECT_SOURCE_DIR}/cmake/NuvHostHeaders.cmake\")
    nuv_host_headers(headers \"${PROJECT_SOURCE_DIR}\")
    foreach(header \${headers})
        get_filename_component(folder \${header} DIRECTORY)
        file(INSTALL \"${PROJECT_SOURCE_DIR}/\${header}\"
             DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${NUV_INCLUDE_INSTALL_DIR}/\${folder}\")
    endforeach()" COMPONENT development)

# The CMake package: find_package(NUVInfo 0.3 CONFIG) gives the targets and NUVInfo_PLUGIN.
install(EXPORT NUVInfoTargets NAMESPACE NUVInfo:: DESTINATION ${NUV_CMAKE_INSTALL_DIR}
        COMPONENT development)
configure_package_config_file(cmake/NUVInfoConfig.cmake.in NUVInfoConfig.cmake
                              INSTALL_DESTINATION ${NUV_CMAKE_INSTALL_DIR}
                              PATH_VARS NUV_PLUGIN_INSTALL_FILE)
write_basic_package_version_file(NUVInfoConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/NUVInfoConfig.cmake
              ${PROJECT_BINARY_DIR}/NUVInfoConfigVersion.cmake
        DESTINATION ${NUV_CMAKE_INSTALL_DIR} COMPONENT development)

# The same for pkg-config, one file a library, each with the plug-in's path as the variable
# "plugin"; each finds the prefix from where it lies.
nuv_install_path_between(pkgconfig_to_prefix ${NUV_PKGCONFIG_INSTALL_DIR} ${CMAKE_INSTALL_PREFIX})
function(nuv_pkg_config pc_name pc_description pc_requires pc_libs)
    configure_file(cmake/nuvinfo.pc.in ${pc_name}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${pc_name}.pc DESTINATION ${NUV_PKGCONFIG_INSTALL_DIR}
            COMPONENT development)
endfunction()
nuv_pkg_config(nuvinfo-winport "The platform of the NUVInfo plug-in: windows, dialogs and COM" ""
               -lwinport)
nuv_pkg_config(nuvinfo-hostsdk "The interfaces between the NUVInfo plug-in and its host"
               nuvinfo-winport "")
nuv_pkg_config(nuvinfo-host "The host library of the NUVInfo plug-in: property sets and dialogs"
               nuvinfo-hostsdk -lnuvhost)

# The reference client. Its library of the Qt view is its own: no headers, no link name.
install(TARGETS nuvclient RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT client)
if(TARGET nuvview)
    install(TARGETS nuvview LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT client
            NAMELINK_SKIP)
endif()
install(FILES client/data/schema.sql client/data/sample.sql client/data/directory.sql
              client/data/datalists.json client/data/busy.avi
        DESTINATION ${NUV_CLIENT_DATA_INSTALL_DIR} COMPONENT client)
configure_file(docs/nuvclient.1.in nuvclient.1 @ONLY)
nuv_gzip(nuvclient.1)
install(FILES ${PROJECT_BINARY_DIR}/nuvclient.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT client)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT client)
install(DIRECTORY docs/pictures DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs COMPONENT client)
