# The include check run on a small tree (upward/src) that breaks each rule once beside includes
# that keep them: it must fail, name every fault, and name nothing else.
#   cmake -DCHECK=<include_directions.cmake> -DTREE=<upward/src> -P include_directions_caught.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${CMAKE_COMMAND}" "-DSOURCE_DIR=${TREE}" -P "${CHECK}"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(code EQUAL 0)
    message(FATAL_ERROR "the check passed a tree with upward includes:\n${out}")
endif()

set(faults
    "framework/engine.cpp includes gui/gui_object.h"
    "game/main_scene_play.cpp includes screens/hub_screen.h"
    "game/main_scene_play.cpp includes app/mon_app.h"
    "gui/word_tag.h includes game/main_scene.h"
    "gui/word_tag.h includes game/tag_scene.h"
    "platform/random.cpp includes platform/graphics.h"
    "screens/gallery_play.cpp includes game/word_tag.h"
    "sentence/lexicon.cpp includes platform/files.h"
    "sentence/lexicon.cpp includes puppets/pantin.h"
    "tools/ has no place")
set(kept
    "includes platform/text.h"
    "includes platform/diag.h"
    "includes sentence/"
    "includes framework/"
    "includes platform/graphics.h: gui"
    "includes puppets/screen_entry.h"
    "includes gui/engine_resizable.h"
    "includes game/game_start.h"
    "app/mon_app.cpp"
    "app/mon_app.h: app is not below framework")
foreach(fault IN LISTS faults)
    string(FIND "${out}" "${fault}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "not reported: ${fault}\n${out}")
    endif()
endforeach()
foreach(include IN LISTS kept)
    string(FIND "${out}" "${include}" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "reported wrongly: ${include}\n${out}")
    endif()
endforeach()
