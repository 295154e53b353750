# Compiler settings shared by every target of the project.

# Results must follow the written order of operations bit for bit, so the
# compiler may neither fuse a*b+c into one rounding nor reassociate.
add_compile_options(-ffp-contract=off -fno-fast-math)

if(ZENTOVA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Fuzz targets: clang's libFuzzer instruments every library of the build, with
# ASan and UBSan so that a fault stops the run at its cause.
if(ZENTOVA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "ZENTOVA_FUZZ needs clang++ (CMAKE_CXX_COMPILER=clang++)")
    endif()
    if(ZENTOVA_SANITIZE)
        message(FATAL_ERROR "ZENTOVA_FUZZ already builds with ASan and UBSan")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined)
endif()

# ThreadSanitizer for the code that hands work to a worker thread and back.
# It cannot share a process with AddressSanitizer, and it needs some
# optimisation to run at a bearable speed while keeping the stacks readable.
if(ZENTOVA_TSAN)
    if(ZENTOVA_SANITIZE OR ZENTOVA_FUZZ)
        message(FATAL_ERROR "ZENTOVA_TSAN cannot be combined with ZENTOVA_SANITIZE or ZENTOVA_FUZZ")
    endif()
    add_compile_options(-fsanitize=thread -O1 -g -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

# Strict warnings for our own code only; third-party headers are included as
# system headers and stay out of this.
function(zentova_strict target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                           -Wnon-virtual-dtor -Wold-style-cast -Wcast-qual
                           -Wimplicit-fallthrough -Werror)
endfunction()

# A library of one folder. Its headers are reachable as "<folder name>/x.h"
# only by targets that link it: the folder is exposed through a directory of
# its own in the build tree, so an include of a library one does not link
# fails to compile. The core never links Qt, so a Qt include fails there too.
function(zentova_library target type)
    add_library(${target} ${type} ${ARGN})
    get_filename_component(name ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(dir ${PROJECT_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${dir}/${name} SYMBOLIC)
    if(type STREQUAL "INTERFACE")
        target_include_directories(${target} INTERFACE ${dir})
    else()
        target_include_directories(${target} PUBLIC ${dir})
        zentova_strict(${target})
    endif()
endfunction()
