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

# One library per layer, built from every source below the listed folders.
function(tessaro_add_layer name)
    cmake_parse_arguments(LAYER "" "" "DIRS;DEPS" ${ARGN})
    tessaro_collect_sources(sources ${LAYER_DIRS})

    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")
        target_link_libraries(${name} PUBLIC ${LAYER_DEPS})
        target_compile_options(${name} PRIVATE -Wall -Wextra -Wshadow -Wno-unused-parameter)
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE "${CMAKE_CURRENT_SOURCE_DIR}")
        target_link_libraries(${name} INTERFACE ${LAYER_DEPS})
    endif()
endfunction()
