# Replays of the fuzz targets, in the normal build and the sanitizer build: each target's seed
# corpus (fuzz/corpus/TARGET) and its saved findings (tests/fixtures/fuzz/TARGET) run through
# the target's checks, without libFuzzer, as one test per target. Included by tests/.
set(FOLWYN_FUZZ_DIR ${PROJECT_SOURCE_DIR}/fuzz)

add_library(folwyn_fuzz_replay_support OBJECT
  ${FOLWYN_FUZZ_DIR}/fuzz_support.cpp
  ${FOLWYN_FUZZ_DIR}/reference_items.cpp
  ${FOLWYN_FUZZ_DIR}/replay_main.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/scripted_host.cpp)
target_include_directories(folwyn_fuzz_replay_support PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(folwyn_fuzz_replay_support PRIVATE FOLWYN_BUILDING_PLUGIN)

function(folwyn_fuzz_replay name source)
  add_executable(fuzz_replay_${name} ${FOLWYN_FUZZ_DIR}/${source}
    $<TARGET_OBJECTS:folwyn_fuzz_replay_support>)
  target_include_directories(fuzz_replay_${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(fuzz_replay_${name} PRIVATE ${ARGN})
  target_link_libraries(fuzz_replay_${name} PRIVATE folwyn_core)
  set(inputs ${FOLWYN_FUZZ_DIR}/corpus/${name})
  if(EXISTS ${PROJECT_SOURCE_DIR}/tests/fixtures/fuzz/${name})
    list(APPEND inputs ${PROJECT_SOURCE_DIR}/tests/fixtures/fuzz/${name})
  endif()
  add_test(NAME FuzzReplay.${name} COMMAND fuzz_replay_${name} ${inputs})
endfunction()

folwyn_fuzz_replay(file_list file_list_fuzz.cpp)
folwyn_fuzz_replay(motion_rtc confound_reader_fuzz.cpp FOLWYN_FUZZ_READER=1)
folwyn_fuzz_replay(motion_sdm confound_reader_fuzz.cpp FOLWYN_FUZZ_READER=2)
folwyn_fuzz_replay(confound_rtc confound_reader_fuzz.cpp FOLWYN_FUZZ_READER=3)
folwyn_fuzz_replay(confound_sdm confound_reader_fuzz.cpp FOLWYN_FUZZ_READER=4)
folwyn_fuzz_replay(merged_writer merged_writer_fuzz.cpp)
folwyn_fuzz_replay(path_names path_names_fuzz.cpp)
