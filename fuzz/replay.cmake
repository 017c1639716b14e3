# Each fuzz target built as a plain program with the replay driver, and one
# ctest test per target that replays its seed corpus in fuzz/corpus/<target>/.
file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzzer.cpp)
foreach(source ${fuzz_sources})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name}_replay ${source} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE vendrel_cli vendrel_job_making)
    target_compile_definitions(${name}_replay PRIVATE VENDREL_FUZZ_REPLAY)
    add_test(NAME fuzz_replay.${name}
             COMMAND ${name}_replay ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
    set_tests_properties(fuzz_replay.${name} PROPERTIES LABELS fuzz_replay)
endforeach()
