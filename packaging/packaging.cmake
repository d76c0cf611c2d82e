# What `cmake --install` puts into the standard places: the program, its application-menu
# entry and icon, the user timer and service of the unattended morning briefing, and the cron
# line for systems without systemd. The service and the cron line name the installed program,
# so they are written at install time, for the prefix given then. The folders come from
# cmake/DawnquillInstallDirs.cmake.
install(TARGETS dawnquill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The application menu finds the entry in share/applications and its icon, by the name
# "dawnquill", in the hicolor theme: the drawing at every size, the pictures at theirs.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/desktop/dawnquill.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/dawnquill.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
file(GLOB dq_icon_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/icons/dawnquill-*.png)
foreach(picture ${dq_icon_pictures})
    string(REGEX REPLACE ".*dawnquill-([0-9]+)\\.png$" "\\1" size "${picture}")
    install(FILES ${picture} RENAME dawnquill.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/systemd/dawnquill-briefing.timer
        DESTINATION lib/systemd/user)

# Writes template (a file of this folder) into the installed folder, naming the program.
function(dq_install_naming_program template folder)
    get_filename_component(name ${template} NAME_WLE)
    install(CODE "
        set(DQ_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/dawnquill\")
        set(target \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${folder}/${name}\")
        message(STATUS \"Installing: \${target}\")
        configure_file(\"${CMAKE_CURRENT_LIST_DIR}/${template}\" \"\${target}\" @ONLY)
    ")
endfunction()

dq_install_naming_program(systemd/dawnquill-briefing.service.in lib/systemd/user)
dq_install_naming_program(cron/dawnquill.crontab.in ${CMAKE_INSTALL_DATADIR}/dawnquill)
