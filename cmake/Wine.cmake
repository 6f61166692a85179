# A cross-built Windows program and its tests run under Wine (ctest and gtest_discover_tests
# through the emulator), in the build's own Wine prefix, with Qt's and MinGW's DLLs on the path.
find_program(RDO_WINE wine REQUIRED)
set(RDO_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)
set(dll_folders)
if(TARGET Qt6::Core)
    get_target_property(qt_core Qt6::Core LOCATION)
    get_filename_component(dll_folders ${qt_core} DIRECTORY)
endif()
foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(found ${found} DIRECTORY)
    list(APPEND dll_folders ${found})
endforeach()
# Wine's drive Z: is the root of the Linux file system.
list(TRANSFORM dll_folders PREPEND Z:)
string(JOIN "\\;" RDO_WINE_PATH ${dll_folders})
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${PROJECT_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
