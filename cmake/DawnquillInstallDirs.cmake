# Where `cmake --install` puts the program's parts (GNUInstallDirs: bin/, share/, lib/ under
# the prefix). Included before the subsystems declare their targets, so that each subsystem
# can install what it builds.
include(GNUInstallDirs)

# The program's plug-ins: shared libraries the program loads itself when they are first
# needed. A subsystem that builds one installs it with
#     install(TARGETS <plug-in> LIBRARY DESTINATION ${DQ_INSTALL_PLUGINDIR})
# and the program finds it at DQ_PLUGINDIR_FROM_BINDIR, the same folder seen from the
# installed program's folder ("../lib/dawnquill" with the default directories), which stays
# right whatever prefix `cmake --install --prefix` is given.
set(DQ_INSTALL_PLUGINDIR "${CMAKE_INSTALL_LIBDIR}/dawnquill"
    CACHE STRING "Folder of the program's plug-ins, relative to the install prefix")
if(IS_ABSOLUTE "${DQ_INSTALL_PLUGINDIR}")
    set(dq_full_plugindir "${DQ_INSTALL_PLUGINDIR}")
else()
    set(dq_full_plugindir "${CMAKE_INSTALL_PREFIX}/${DQ_INSTALL_PLUGINDIR}")
endif()
file(RELATIVE_PATH DQ_PLUGINDIR_FROM_BINDIR "${CMAKE_INSTALL_FULL_BINDIR}" "${dq_full_plugindir}")
