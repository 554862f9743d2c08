# Includes point down the layers, so that each folder can be read, built and tested with only
# the folders below it:
#   platform <- sentence <- framework <- gui <- puppets <- screens, game <- app
# screens and game stand side by side and never include each other. The sentence engine, and the
# platform's core that it links alone (text, random numbers, debug lines), include nothing of the
# platform but that core. Tests and benchmarks may include anything.
#
#   cmake -DSOURCE_DIR=<a src folder> -P include_directions.cmake
# Lists every include that points the wrong way and fails when there is one. A source folder
# without a rank fails too, so that a new folder gets its place before it is used.

cmake_minimum_required(VERSION 3.25)

set(rank_platform 0)
set(rank_sentence 1)
set(rank_framework 2)
set(rank_gui 3)
set(rank_puppets 4)
set(rank_screens 5)
set(rank_game 5)
set(rank_app 6)
set(platform_core text random diag)

if(NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "no source folder at '${SOURCE_DIR}'")
endif()

set(faults "")
file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(folder IN LISTS folders)
    if(NOT IS_DIRECTORY "${SOURCE_DIR}/${folder}")
        continue()
    endif()
    if(NOT DEFINED rank_${folder})
        list(APPEND faults "${folder}/ has no place among the layers")
        continue()
    endif()
    file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h"
         "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        get_filename_component(stem "${source}" NAME_WE)
        set(core_only FALSE)
        if(folder STREQUAL "sentence" OR (folder STREQUAL "platform" AND stem IN_LIST platform_core))
            set(core_only TRUE)
        endif()
        # Either spelling reaches our folders, which share the include path of the system's.
        file(STRINGS "${SOURCE_DIR}/${source}" includes
             REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z_]+/[^\">]*[\">]")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"<]*[\"<]([a-z_]+)/([^\">]*)[\">].*$" "\\1" target "${line}")
            string(REGEX REPLACE "^[^\"<]*[\"<]([a-z_]+)/([^\">]*)[\">].*$" "\\1/\\2" header
                                 "${line}")
            if(NOT DEFINED rank_${target})
                continue()
            endif()
            if(core_only)
                get_filename_component(target_stem "${header}" NAME_WE)
                if(target STREQUAL "platform" AND NOT target_stem IN_LIST platform_core)
                    list(APPEND faults "${source} includes ${header}: only the platform's core")
                elseif(NOT target STREQUAL "platform" AND NOT target STREQUAL folder)
                    list(APPEND faults "${source} includes ${header}: only the platform's core")
                endif()
            elseif(target STREQUAL folder)
                continue()
            elseif(NOT rank_${target} LESS rank_${folder})
                list(APPEND faults "${source} includes ${header}: ${target} is not below ${folder}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " listed)
    message(FATAL_ERROR "Includes that point the wrong way:\n  ${listed}")
endif()
