# `cmake --install`: the editor, its menu entry and its icon, and nothing
# else; the tests and the helper programs stay in the build folder.
include(GNUInstallDirs)

install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/data/quorvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/data/quorvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

if(BUILD_TESTING)
  add_test(NAME Install.DesktopEntryPassesTheValidator
           COMMAND desktop-file-validate ${CMAKE_CURRENT_SOURCE_DIR}/data/quorvane.desktop)
  # The check fails on hints too: a menu entry that hints is one we would fix.
  set_tests_properties(Install.DesktopEntryPassesTheValidator PROPERTIES FAIL_REGULAR_EXPRESSION ".")
  add_test(NAME Install.IconRendersAtMenuSize
           COMMAND rsvg-convert --width 48 --height 48 --output ${CMAKE_BINARY_DIR}/quorvane-48.png
                   ${CMAKE_CURRENT_SOURCE_DIR}/data/quorvane.svg)
  # A staged install into a folder of the build's own lists every file the
  # install rules put in place: exactly these three.
  add_test(NAME Install.PutsOnlyTheEditorItsEntryAndItsIcon
           COMMAND sh -c "rm -rf \"$1\" && DESTDIR=\"$1\" \"$2\" --install \"$3\" --prefix /usr >/dev/null && cd \"$1\" && find . ! -type d | LC_ALL=C sort"
                   sh ${CMAKE_BINARY_DIR}/install-check ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
  set_tests_properties(Install.PutsOnlyTheEditorItsEntryAndItsIcon PROPERTIES PASS_REGULAR_EXPRESSION
    "^\\./usr/bin/quorvane\n\\./usr/share/applications/quorvane\\.desktop\n\\./usr/share/icons/hicolor/scalable/apps/quorvane\\.svg\n$")
endif()
