# The Windows program: a GUI program (no console window behind it) with its icon and version, and
# the folder it runs from on a bare Windows, which the zip and the installer carry: the program,
# Qt's and MinGW's DLLs, Qt's Windows plugin and Qt's French translation.
enable_language(RC)
set(RDO_ICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/redaction-des-ordres.ico)
configure_file(windows/redaction-des-ordres.rc.in redaction-des-ordres.rc @ONLY)
target_sources(redaction-des-ordres PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/redaction-des-ordres.rc)
set_target_properties(redaction-des-ordres PROPERTIES WIN32_EXECUTABLE ON)

install(TARGETS redaction-des-ordres RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
              windows/qt.conf DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION plugins/platforms)
foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${found} DESTINATION .)
endforeach()
# Debian's translations are the same files on every platform.
install(FILES /usr/share/qt6/translations/qtbase_fr.qm DESTINATION translations)
