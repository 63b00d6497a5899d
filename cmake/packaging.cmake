# Installing both programs with their manual pages (cmake --install), and a
# Debian package of them (cpack -G DEB in the build folder). The pages are
# the ones man/ fills in.
include(GNUInstallDirs)

install(TARGETS reaction-drill formula-quiz
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MANUAL_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reaction-drill)
set(CPACK_PACKAGE_CONTACT
  "reaction-drill maintainers <maintainers@reaction-drill.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "console drills in reactions, chemical formulas and equations")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Two console programs for chemistry students. reaction-drill shows the"
  "reactants of a random reaction and reveals the reaction type, the"
  "products and the net ionic equation; with -f also the balanced formula"
  "equations, with -e why, by the rules that decide it. formula-quiz asks"
  "for ion and compound formulas, for the solubility of compounds and for"
  "balanced and net ionic equations, marks the typed answers and says why"
  "an answer is wrong. Both write printable worksheets with answer keys"
  "and question banks for learning platforms.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps (from dpkg-dev) reads the libraries the programs really
# need; without it, name the ones any C++ program of this compiler needs.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
endif()
include(CPack)
