cmake_minimum_required(VERSION 3.25)
# Fails when a source file includes a layer it must not know:
#   the window model (form core player playback playlist panel) sees only itself and ports/;
#   ports/ sees form/ and itself; platform/ sees form/, ports/ and itself;
#   desktop/ (the front-end) sees everything.
# Run as: cmake -DSRC=<src folder> -DSTAMP=<file to touch> -P check_layers.cmake
set(model form core player playback playlist panel ports)
set(allowed_form ${model})
set(allowed_core ${model})
set(allowed_player ${model})
set(allowed_playback ${model})
set(allowed_playlist ${model})
set(allowed_panel ${model})
set(allowed_ports form ports)
set(allowed_platform form ports platform)

set(faults "")
foreach(layer form core player playback playlist panel ports platform)
  file(GLOB files "${SRC}/${layer}/*.h" "${SRC}/${layer}/*.cpp")
  foreach(f ${files})
    file(STRINGS "${f}" lines REGEX "^#include \"[a-z]+/")
    foreach(line ${lines})
      string(REGEX MATCH "^#include \"([a-z]+)/" _ "${line}")
      if(NOT CMAKE_MATCH_1 IN_LIST allowed_${layer})
        string(APPEND faults "\n  ${f}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes across layers:${faults}")
endif()
file(TOUCH "${STAMP}")
