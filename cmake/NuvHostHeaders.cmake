# nuv_host_headers(VAR SOURCE_DIR) sets VAR to the headers a host builds against, named from the
# source root: every header of the host SDK and the host library, the platform's headers that any
# other layer includes, and every header those include in turn. Run at install time, so that the
# installed set follows the includes as they are.
function(nuv_host_headers var source_dir)
    file(GLOB_RECURSE pending RELATIVE ${source_dir} ${source_dir}/module/host/*.h
         ${source_dir}/hostlib/*.h)
    set(includers)
    foreach(layer hostlib module details pages export res view client)
        file(GLOB_RECURSE layer_files ${source_dir}/${layer}/*.h ${source_dir}/${layer}/*.cpp)
        list(APPEND includers ${layer_files})
    endforeach()
    foreach(file ${includers})
        file(STRINGS ${file} lines REGEX "^#include \"platform/")
        foreach(line ${lines})
            string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
            list(APPEND pending ${header})
        endforeach()
    endforeach()

    set(headers)
    while(pending)
        list(POP_FRONT pending header)
        # Install scripts run with no policies set, so without if(IN_LIST).
        list(FIND headers ${header} seen)
        if(seen GREATER -1 OR NOT EXISTS ${source_dir}/${header})
            continue()
        endif()
        list(APPEND headers ${header})
        get_filename_component(folder ${header} DIRECTORY)
        file(STRINGS ${source_dir}/${header} lines REGEX "^#include \"")
        foreach(line ${lines})
            string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
            # A header named without a folder is its neighbour.
            if(NOT included MATCHES "/")
                set(included ${folder}/${included})
            endif()
            list(APPEND pending ${included})
        endforeach()
    endwhile()
    list(SORT headers)
    set(${var} ${headers} PARENT_SCOPE)
endfunction()
