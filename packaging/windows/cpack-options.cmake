# Read by CPack for each generator: the installer is ...-setup.exe.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "tz586kv-link-${CPACK_PACKAGE_VERSION}-setup")
endif()
