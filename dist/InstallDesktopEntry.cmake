# Runs at install time, when the final prefix is known: the desktop entry names the
# installed executable by its full path, so it starts even when the prefix's bin/ is not on
# PATH. Expects BK_DESKTOP_TEMPLATE, BK_INSTALL_BINDIR and BK_INSTALL_DATADIR to be set.
set(BK_INSTALLED_EXECUTABLE "${CMAKE_INSTALL_PREFIX}/${BK_INSTALL_BINDIR}/brindle-karts")
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${BK_INSTALL_DATADIR}/applications/brindle-karts.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${BK_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
