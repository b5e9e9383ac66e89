# Every subsystem folder under src/ holds its plain C++ (no Qt) directly and its
# Qt screens in a "ui" subfolder. Globbing keeps the folder lists in one place.
set(NENCHO_FOLDERS common platform app records withholding ledger yearend printing statement summary batch)

function(nencho_collect_sources out subfolder)
  set(result "")
  foreach(folder IN LISTS NENCHO_FOLDERS)
    if(subfolder STREQUAL "")
      set(dir ${CMAKE_SOURCE_DIR}/src/${folder})
    else()
      set(dir ${CMAKE_SOURCE_DIR}/src/${folder}/${subfolder})
    endif()
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
