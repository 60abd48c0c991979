# Cross-compiled for Windows: programs of this build (the icon tool, the
# tests) run under Wine through a wrapper that knows where Qt's DLLs are.
get_target_property(TZ_QT_CORE_DLL Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(TZ_QT_BIN ${TZ_QT_CORE_DLL} DIRECTORY)
set(TZ_QT_PLUGINS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
file(GLOB TZ_MINGW_DLL_DIRS /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
list(APPEND TZ_MINGW_DLL_DIRS /usr/x86_64-w64-mingw32/lib)
list(JOIN TZ_MINGW_DLL_DIRS " " TZ_MINGW_DLL_DIRS)
# Offscreen tests find fonts in one folder: the Latin and the Japanese ones.
set(TZ_WINE_FONTS ${CMAKE_BINARY_DIR}/wine-fonts)
file(MAKE_DIRECTORY ${TZ_WINE_FONTS})
file(GLOB TZ_FONT_FILES /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/opentype/ipafont-gothic/*.ttf)
foreach(font IN LISTS TZ_FONT_FILES)
    get_filename_component(name ${font} NAME)
    file(CREATE_LINK ${font} ${TZ_WINE_FONTS}/${name} SYMBOLIC)
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE
    @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
