# nuv_layer_headers(TARGET SCOPE FOLDER...) gives TARGET an include root that holds only the
# FOLDERs of the source tree (as links), so that its files, and with SCOPE PUBLIC those of every
# target linking it, reach those folders' headers and no others. Headers are named from the
# source root ("platform/window/WindowApi.h"), whichever root they are reached through; the install
# keeps those names under one include folder.
function(nuv_layer_headers target scope)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    foreach(folder ${ARGN})
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${root}>)
endfunction()
