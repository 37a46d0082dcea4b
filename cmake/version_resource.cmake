# Every shipped binary carries a version resource whose file version is the
# version of its stamp ("137VERSION" and one byte per number, which support
# tools and the about page read), padded with zeros to four numbers; the
# product version is the product's, the package's version. The build fails when
# the two disagree in the built file (cmake/check_binary.cmake).
#
# add_version_resource(target STAMP 1.0 DESCRIPTION "text" [EXPORT name])
#   STAMP     the numbers of the target's version stamp
#   EXPORT    an entry the file must export under exactly that name
function(add_version_resource target)
    cmake_parse_arguments(ARG "" "STAMP;DESCRIPTION;EXPORT" "" ${ARGN})
    string(REPLACE "." ";" numbers "${ARG_STAMP}")
    list(LENGTH numbers count)
    while(count LESS 4)
        list(APPEND numbers 0)
        math(EXPR count "${count} + 1")
    endwhile()
    list(JOIN numbers "." file_version)
    list(JOIN numbers "," file_version_commas)
    string(REPLACE "." "," product_version_commas "${PROJECT_VERSION}")
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        set(file_type VFT_APP)
        set(suffix ${CMAKE_EXECUTABLE_SUFFIX})
    else()
        set(file_type VFT_DLL)
        set(suffix ${CMAKE_SHARED_MODULE_SUFFIX})
    endif()
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(NOT output_name)
        set(output_name ${target})
    endif()
    set(file_name "${output_name}${suffix}")

    set(resource "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
    configure_file("${PROJECT_SOURCE_DIR}/cmake/version_resource.rc.in" "${resource}" @ONLY)
    target_sources(${target} PRIVATE "${resource}")
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DBINARY=$<TARGET_FILE:${target}> -DSTAMP=${ARG_STAMP}
                -DEXPORT=${ARG_EXPORT} -DOBJDUMP=${CMAKE_OBJDUMP}
                -P "${PROJECT_SOURCE_DIR}/cmake/check_binary.cmake"
        VERBATIM)
endfunction()
