# Warnings are errors in the project's own code; system headers (Qt, GoogleTest) are exempt
# because they come in through -isystem.
function(tintora_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
        -Wcast-align -Wformat=2 -Wimplicit-fallthrough -Werror)
    # GCC 12 reports -Wrestrict on ordinary std::string concatenation at -O3 (GCC bug 105329).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()

# The core is plain arithmetic on bytes and colour channels, where a silent narrowing is a bug.
function(tintora_strict_warnings target)
    tintora_warnings(${target})
    target_compile_options(${target} PRIVATE -Wconversion)
endfunction()
