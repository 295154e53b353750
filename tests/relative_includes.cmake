# The build keeps each library to the headers of what it links, by include
# directories. A relative include ("../x.h") would walk around that, so none
# is allowed in the program's sources.
file(GLOB_RECURSE sources ${SOURCE_DIR}/core/*.h ${SOURCE_DIR}/core/*.cpp
     ${SOURCE_DIR}/window/*.h ${SOURCE_DIR}/window/*.cpp ${SOURCE_DIR}/cli/*.h
     ${SOURCE_DIR}/cli/*.cpp)
set(found "")
foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]*\\.\\./")
    if(lines)
        list(APPEND found "${source}: ${lines}")
    endif()
endforeach()
if(found)
    list(JOIN found "\n" text)
    message(FATAL_ERROR "relative includes:\n${text}")
endif()
