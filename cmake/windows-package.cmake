# The Windows zip and installer (cpack -G "ZIP;NSIS"): both programs, the Qt
# DLLs and plug-ins they load, Qt's Japanese texts, and the licences and
# source notice of what is shipped. Each package gets a .sha256 beside it.
install(TARGETS tz586kv-link tz586kv RUNTIME DESTINATION .)
set(TZ_PLUGINS ${TZ_QT_PLUGINS}/platforms/qwindows.dll ${TZ_QT_PLUGINS}/styles/qwindowsvistastyle.dll)
install(FILES ${TZ_QT_PLUGINS}/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${TZ_QT_PLUGINS}/styles/qwindowsvistastyle.dll DESTINATION styles)
# Debian's catalogues of the same Qt version as the DLLs.
install(FILES ${QT_HOST_PATH}/share/qt6/translations/qtbase_ja.qm
    ${QT_HOST_PATH}/share/qt6/translations/qtserialport_ja.qm DESTINATION translations)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME LGPL-3.0.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licenses RENAME GPL-3.0.txt)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/qt-source.txt DESTINATION licenses)

# Every DLL the programs and plug-ins import, but Windows' own; fails when
# one is neither found nor part of Windows.
# CMake looks the imports up by lower-case name (Windows ignores case), so
# the DLLs are offered under such names, each a link to the DLL itself.
string(REPLACE " " ";" TZ_DLL_SOURCES "${TZ_QT_BIN} ${TZ_MINGW_DLL_DIRS}")
set(TZ_DLL_DIRS ${CMAKE_BINARY_DIR}/dll-names)
file(MAKE_DIRECTORY ${TZ_DLL_DIRS})
foreach(dir IN LISTS TZ_DLL_SOURCES)
    file(GLOB dlls ${dir}/*.dll)
    foreach(dll IN LISTS dlls)
        get_filename_component(name ${dll} NAME)
        string(TOLOWER ${name} name)
        if(NOT EXISTS ${TZ_DLL_DIRS}/${name})
            file(CREATE_LINK ${dll} ${TZ_DLL_DIRS}/${name} SYMBOLIC)
        endif()
    endforeach()
endforeach()
install(CODE "
    set(TZ_DLL_DIRS \"${TZ_DLL_DIRS}\")
    set(TZ_PLUGINS \"${TZ_PLUGINS}\")
    set(TZ_STRIP \"${CMAKE_STRIP}\")
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND \"${CMAKE_OBJDUMP}\")
")
install(CODE [[
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES $<TARGET_FILE:tz586kv-link> $<TARGET_FILE:tz586kv>
        MODULES ${TZ_PLUGINS}
        DIRECTORIES ${TZ_DLL_DIRS}
        RESOLVED_DEPENDENCIES_VAR found
        UNRESOLVED_DEPENDENCIES_VAR missing
        PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-")
    set(windows advapi32 authz bcrypt cfgmgr32 comctl32 comdlg32 crypt32 d2d1 d3d11 d3d12
        d3d9 dcomp dnsapi dwmapi dwrite dxgi gdi32 imm32 iphlpapi kernel32 mpr msimg32 msvcrt
        mswsock ncrypt netapi32 normaliz ntdll ole32 oleacc oleaut32 opengl32 propsys rpcrt4
        secur32 setupapi shcore shell32 shlwapi ucrtbase user32 userenv uxtheme version
        winhttp wininet winmm winspool ws2_32 wtsapi32)
    foreach(dll IN LISTS missing)
        string(TOLOWER "${dll}" name)
        string(REGEX REPLACE "\\.(dll|drv)$" "" name "${name}")
        list(FIND windows "${name}" known) # install scripts run without policies
        if(known EQUAL -1)
            message(FATAL_ERROR "The package lacks ${dll}: neither found nor part of Windows")
        endif()
    endforeach()
    foreach(link IN LISTS found)
        file(REAL_PATH ${link} dll)
        file(INSTALL ${dll} DESTINATION ${CMAKE_INSTALL_PREFIX})
        get_filename_component(name ${dll} NAME)
        execute_process(COMMAND ${TZ_STRIP} --strip-unneeded ${CMAKE_INSTALL_PREFIX}/${name})
    endforeach()
]])

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME tz586kv-link)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "TZ586KV Link developers")
set(CPACK_PACKAGE_FILE_NAME tz586kv-link-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "TZ586KV Link")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_PACKAGE_NAME "TZ586KV Link")
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/app/tz586kv-link.ico)
# The installer is named apart from the zip; the template is this project's.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/cpack-options.cmake)
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
include(CPack)
