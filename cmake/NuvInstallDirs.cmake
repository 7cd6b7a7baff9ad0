# Where the install puts each part, relative to the prefix. Installed files find each other by the
# paths between these folders, never by where the build tree was.
include(GNUInstallDirs)

# The plug-in lies in a folder of its own: hosts load it by path, nothing links it.
set(NUV_PLUGIN_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/nuvinfo)
set(NUV_PLUGIN_INSTALL_FILE ${NUV_PLUGIN_INSTALL_DIR}/libnuvinfo.so)
# Headers keep the names hosts include them by ("platform/window/WindowApi.h") under this folder.
set(NUV_INCLUDE_INSTALL_DIR ${CMAKE_INSTALL_INCLUDEDIR}/nuvinfo)
set(NUV_CMAKE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/NUVInfo)
set(NUV_PKGCONFIG_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
set(NUV_CLIENT_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/nuvclient)
# Before 1.0 each minor version may change the interfaces.
set(NUV_SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})

# nuv_install_path_between(VAR FROM TO) sets VAR to the path from the installed folder FROM to
# the installed file or folder TO.
function(nuv_install_path_between var from to)
    foreach(place from to)
        if(NOT IS_ABSOLUTE "${${place}}")
            set(${place} ${CMAKE_INSTALL_PREFIX}/${${place}})
        endif()
    endforeach()
    file(RELATIVE_PATH path ${from} ${to})
    string(REGEX REPLACE "/$" "" path "${path}")
    set(${var} ${path} PARENT_SCOPE)
endfunction()
