# Warnings are errors in the project's own code; system headers (Qt, GoogleTest) are exempt
# because they come in through -isystem.
function(tintora_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
        -Wcast-align -Wformat=2 -Wimplicit-fallthrough -Werror)
endfunction()

# The core is plain arithmetic on bytes and colour channels, where a silent narrowing is a bug.
function(tintora_strict_warnings target)
    tintora_warnings(${target})
    target_compile_options(${target} PRIVATE -Wconversion)
endfunction()
