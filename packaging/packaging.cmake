# What `cmake --install` puts into the standard places besides the program: the user timer
# and service of the unattended morning briefing, and the cron line for systems without
# systemd. The service and the cron line name the installed program, so they are written at
# install time, for the prefix given then.
include(GNUInstallDirs)

install(TARGETS dawnquill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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
