# Compiler settings shared by every target of the project.

# Results must follow the written order of operations bit for bit, so the
# compiler may neither fuse a*b+c into one rounding nor reassociate.
add_compile_options(-ffp-contract=off -fno-fast-math)

if(ZENTOVA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Strict warnings for our own code only; third-party headers are included as
# system headers and stay out of this.
function(zentova_strict target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                           -Wnon-virtual-dtor -Wold-style-cast -Wcast-qual
                           -Wimplicit-fallthrough -Werror)
endfunction()
