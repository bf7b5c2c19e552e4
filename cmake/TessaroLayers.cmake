# Every .cpp below the given folders of the current source folder, so that a new
# class or test needs no CMake edit.
function(tessaro_collect_sources out)
    set(sources)
    foreach(dir IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp")
        list(APPEND sources ${found})
    endforeach()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

function(tessaro_enable_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wno-unused-parameter)
endfunction()

# One library per layer, built from every source below the listed folders.
function(tessaro_add_layer name)
    cmake_parse_arguments(LAYER "" "" "DIRS;DEPS" ${ARGN})
    tessaro_collect_sources(sources ${LAYER_DIRS})

    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")
        target_link_libraries(${name} PUBLIC ${LAYER_DEPS})
        tessaro_enable_warnings(${name})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE "${CMAKE_CURRENT_SOURCE_DIR}")
        target_link_libraries(${name} INTERFACE ${LAYER_DEPS})
    endif()
endfunction()

# A command-line tool of tools/<folder>: every source but main.cpp goes into the
# library, which the tool tests link too; main.cpp makes the program.
function(tessaro_add_tool program)
    cmake_parse_arguments(TOOL "" "LIBRARY" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    list(REMOVE_ITEM sources "${CMAKE_CURRENT_SOURCE_DIR}/main.cpp")

    add_library(${TOOL_LIBRARY} STATIC ${sources})
    target_include_directories(${TOOL_LIBRARY} PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}/..")
    target_link_libraries(${TOOL_LIBRARY} PUBLIC ${TOOL_DEPS})
    tessaro_enable_warnings(${TOOL_LIBRARY})
    set_property(GLOBAL APPEND PROPERTY TESSARO_TOOL_LIBS ${TOOL_LIBRARY})

    add_executable(${program} "${CMAKE_CURRENT_SOURCE_DIR}/main.cpp")
    target_link_libraries(${program} PRIVATE ${TOOL_LIBRARY})
    tessaro_enable_warnings(${program})
endfunction()
