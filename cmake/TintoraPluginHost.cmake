# Image plug-ins: where they are built and installed, how a plug-in library is built, and how a
# program that loads them is linked.

# The installed plug-in folder, and the same folder as seen from the installed program's folder,
# so that an installed tree finds its plug-ins wherever it was installed to.
set(TINTORA_PLUGIN_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/tintora/plugins)
file(RELATIVE_PATH TINTORA_PLUGIN_DIR_FROM_BIN
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/tintora/plugins)
# The program's own modules (the live preview's DevTools client) one level up, likewise.
set(TINTORA_MODULE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/tintora)
file(RELATIVE_PATH TINTORA_MODULE_DIR_FROM_BIN
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/tintora)
# In a build tree the plug-ins lie beside the program, where it looks in its own folder.
set(TINTORA_PLUGIN_BUILD_DIR ${PROJECT_BINARY_DIR}/src)

# tintora_add_plugin(target OUTPUT_NAME name DIRECTORY dir SOURCES ... [LIBS ...] [DEFINITIONS ...])
# A plug-in library "name.spi" in C, exporting only its entry points.
function(tintora_add_plugin target)
    cmake_parse_arguments(P "" "OUTPUT_NAME;DIRECTORY" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
    add_library(${target} MODULE ${P_SOURCES})
    set_target_properties(${target} PROPERTIES
        PREFIX "" SUFFIX ".spi" OUTPUT_NAME ${P_OUTPUT_NAME}
        LIBRARY_OUTPUT_DIRECTORY ${P_DIRECTORY}
        C_STANDARD 11 C_STANDARD_REQUIRED ON C_EXTENSIONS OFF
        C_VISIBILITY_PRESET hidden)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/plugins/include)
    target_compile_definitions(${target} PRIVATE ${P_DEFINITIONS})
    target_link_libraries(${target} PRIVATE ${P_LIBS})
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wformat=2 -Wimplicit-fallthrough -Werror)
endfunction()

# A program that loads image plug-ins exports the memory functions they call (LocalAlloc and its
# kin), so that the dynamic linker binds the plug-ins' references to them at load time. The
# functions live in the static core; requiring them keeps the linker from leaving them out.
set(TINTORA_PLUGIN_HOST_SYMBOLS LocalAlloc LocalLock LocalUnlock LocalFree LocalSize)

function(tintora_plugin_host target)
    set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
    foreach(symbol IN LISTS TINTORA_PLUGIN_HOST_SYMBOLS)
        target_link_options(${target} PRIVATE "LINKER:--require-defined=${symbol}")
    endforeach()
endfunction()
