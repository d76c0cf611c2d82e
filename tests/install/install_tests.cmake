# The desktop install: the application-menu entry is valid, and the program installed into a
# temporary prefix keeps its files in the XDG data folder when its own folder is unwritable.
set(dq_desktop_entry ${PROJECT_SOURCE_DIR}/packaging/desktop/dawnquill.desktop)

add_test(NAME desktop_entry_is_valid
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/validate_desktop_entry.sh ${dq_desktop_entry})
set_tests_properties(desktop_entry_is_valid PROPERTIES SKIP_RETURN_CODE 77)

add_test(NAME installed_program_keeps_its_files_in_the_data_folder
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/installed_program_test.sh ${CMAKE_COMMAND}
                 ${CMAKE_BINARY_DIR} ${dq_desktop_entry} ${DQ_INSTALL_PLUGINDIR}
                 ${DQ_PLUGINDIR_FROM_BINDIR})
set_tests_properties(installed_program_keeps_its_files_in_the_data_folder
                     PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
