# The typefaces are the real TrueType files from pinned npm packages. Each
# package is fetched once with `npm pack` into the build folder (a rebuild or a
# re-configure does not fetch again), checked against its pinned SHA-256, and
# the wanted files are extracted into TESSARO_TYPEFACE_DIR. This runs at
# configure time because juce_add_binary_data wants its inputs to exist then.

set(TESSARO_TYPEFACE_DIR "${CMAKE_BINARY_DIR}/typefaces")
set(TESSARO_TYPEFACE_LICENCE_DIR "${TESSARO_TYPEFACE_DIR}/licences")
set(tessaro_typeface_cache "${CMAKE_BINARY_DIR}/typeface-packages")

# tessaro_fetch_typefaces(PACKAGE <npm name> VERSION <v> SHA256 <hash> LICENCE <file name>
#                         FILES <path in package>=<file name> ...)
function(tessaro_fetch_typefaces)
    cmake_parse_arguments(ARG "" "PACKAGE;VERSION;SHA256;LICENCE" "FILES" ${ARGN})

    string(REGEX REPLACE "^@([^/]+)/(.+)$" "\\1-\\2" stem "${ARG_PACKAGE}")
    set(tarball "${tessaro_typeface_cache}/${stem}-${ARG_VERSION}.tgz")

    if(EXISTS "${tarball}")
        file(SHA256 "${tarball}" cached_hash)
        if(NOT cached_hash STREQUAL ARG_SHA256)
            file(REMOVE "${tarball}")
        endif()
    endif()

    if(NOT EXISTS "${tarball}")
        find_program(TESSARO_NPM npm)
        if(NOT TESSARO_NPM)
            message(FATAL_ERROR "npm is needed to fetch the typeface package ${ARG_PACKAGE}")
        endif()
        file(MAKE_DIRECTORY "${tessaro_typeface_cache}")
        message(STATUS "Fetching ${ARG_PACKAGE}@${ARG_VERSION}")
        execute_process(
            COMMAND "${TESSARO_NPM}" pack "${ARG_PACKAGE}@${ARG_VERSION}"
                --pack-destination "${tessaro_typeface_cache}"
                --cache "${tessaro_typeface_cache}/npm-cache"
                --silent
            WORKING_DIRECTORY "${tessaro_typeface_cache}"
            RESULT_VARIABLE result
            OUTPUT_QUIET
            ERROR_VARIABLE errors)
        # npm's own cache would only hold a second copy of the tarball.
        file(REMOVE_RECURSE "${tessaro_typeface_cache}/npm-cache")
        if(NOT result EQUAL 0 OR NOT EXISTS "${tarball}")
            message(FATAL_ERROR "npm pack ${ARG_PACKAGE}@${ARG_VERSION} failed: ${errors}")
        endif()
        file(SHA256 "${tarball}" fetched_hash)
        if(NOT fetched_hash STREQUAL ARG_SHA256)
            file(REMOVE "${tarball}")
            message(FATAL_ERROR "${ARG_PACKAGE}@${ARG_VERSION} does not match its pinned SHA-256")
        endif()
    endif()

    set(wanted "LICENSE_FONT=licences/${ARG_LICENCE}" ${ARG_FILES})
    set(missing)
    foreach(pair IN LISTS wanted)
        string(REPLACE "=" ";" parts "${pair}")
        list(GET parts 1 target_name)
        if(NOT EXISTS "${TESSARO_TYPEFACE_DIR}/${target_name}")
            list(APPEND missing "${pair}")
        endif()
    endforeach()
    if(NOT missing)
        return()
    endif()

    set(unpacked "${tessaro_typeface_cache}/${stem}-${ARG_VERSION}")
    file(REMOVE_RECURSE "${unpacked}")
    set(patterns)
    foreach(pair IN LISTS missing)
        string(REPLACE "=" ";" parts "${pair}")
        list(GET parts 0 source_name)
        list(APPEND patterns "package/${source_name}")
    endforeach()
    file(ARCHIVE_EXTRACT INPUT "${tarball}" DESTINATION "${unpacked}" PATTERNS ${patterns})
    foreach(pair IN LISTS missing)
        string(REPLACE "=" ";" parts "${pair}")
        list(GET parts 0 source_name)
        list(GET parts 1 target_name)
        if(NOT EXISTS "${unpacked}/package/${source_name}")
            message(FATAL_ERROR "${ARG_PACKAGE}@${ARG_VERSION} has no ${source_name}")
        endif()
        file(COPY_FILE "${unpacked}/package/${source_name}" "${TESSARO_TYPEFACE_DIR}/${target_name}")
    endforeach()
    file(REMOVE_RECURSE "${unpacked}")
endfunction()

file(MAKE_DIRECTORY "${TESSARO_TYPEFACE_LICENCE_DIR}")

tessaro_fetch_typefaces(
    PACKAGE @expo-google-fonts/roboto VERSION 0.4.3
    SHA256 d5fabe7f5e706dc3c6b4e39687c5a45f1b25975dd689d8d850a97f41a00fa85f
    LICENCE Roboto-OFL.txt
    FILES 700Bold/Roboto_700Bold.ttf=Roboto-Bold.ttf)

tessaro_fetch_typefaces(
    PACKAGE @expo-google-fonts/overpass VERSION 0.4.2
    SHA256 0d4d2f0e02324752129a941f0801cb2cebb71be42d1baa90ac7c9b483ea96c5f
    LICENCE Overpass-OFL.txt
    FILES 400Regular/Overpass_400Regular.ttf=overpass-regular.ttf
          600SemiBold/Overpass_600SemiBold.ttf=Overpass-SemiBold.ttf)

tessaro_fetch_typefaces(
    PACKAGE @expo-google-fonts/overpass-mono VERSION 0.4.2
    SHA256 9ef3fe3896d43014f2624294e1439e76d83f96f8ffe2933bfab17525bfe51157
    LICENCE OverpassMono-OFL.txt
    FILES 600SemiBold/OverpassMono_600SemiBold.ttf=overpass-mono-semibold.ttf)

tessaro_fetch_typefaces(
    PACKAGE @expo-google-fonts/roboto-mono VERSION 0.4.2
    SHA256 c3107268606cc6a5dae023b4436af6b9bba9789a76f7cd4fe5a60d3987d5b63d
    LICENCE RobotoMono-OFL.txt
    FILES 500Medium/RobotoMono_500Medium.ttf=RobotoMono-Medium.ttf)
